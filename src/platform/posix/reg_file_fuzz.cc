// Feeds arbitrary bytes to the registry file parser: whatever a damaged or
// foreign file holds, parsing ends and every key found can be looked up.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/posix/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  vlrna::RegHive hive = vlrna::RegHive::Parse(text);
  hive.FindKey("Software\\Wine\\Drives");
  hive.FindKey(text.substr(0, 64));
  return 0;
}
