// libFuzzer target: no name the check accepts may leave the folder it is
// unpacked into, and resolving any folder text stays well-formed.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/archive/entry_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view name(reinterpret_cast<const char*>(data), size);
  vlrna::EntryNameCheck check = vlrna::CheckEntryName(name);
  if (check.accepted()) {
    std::string joined = "C:\\base\\";
    for (const std::string& part : check.parts) {
      if (part.empty() || part == "." || part == ".." ||
          part.find_first_of("/\\:") != std::string::npos || part.find('\0') != std::string::npos) {
        std::abort();
      }
      joined += part + "\\";
    }
    if (!vlrna::ResolveWindowsFolder(joined).starts_with("C:\\base\\")) std::abort();
  } else if (!check.parts.empty()) {
    std::abort();
  }
  std::string resolved = vlrna::ResolveWindowsFolder(name);
  if (!resolved.empty() && resolved.back() != '\\') std::abort();
  if (resolved.find("\\..\\") != std::string::npos) std::abort();
  return 0;
}
