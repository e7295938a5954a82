// Any bytes as a message file: the loader must not crash, must keep within
// the catalogue, and no stored text may hold the end-of-text byte.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/message_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::array<std::string, 101> catalogue;
  vlrna::ParseMessageFile(std::string(reinterpret_cast<const char*>(data), size), catalogue);
  for (size_t i = 1; i < catalogue.size(); ++i) {
    if (catalogue[i].find('\x02') != std::string::npos) std::abort();
    if (catalogue[i].find("%APPTITLE%") != std::string::npos &&
        std::string(reinterpret_cast<const char*>(data), size).find("%APPTITLE%") ==
            std::string::npos) {
      std::abort();
    }
  }
  if (catalogue[0].empty()) std::abort();
  return 0;
}
