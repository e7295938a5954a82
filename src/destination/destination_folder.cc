#include "destination/destination_folder.h"

#include <cstring>

#include "shell/shared_helpers.h"

namespace vlrna {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsForbiddenInName(char c) {
  return static_cast<unsigned char>(c) < 0x20 || std::strchr("<>:\"/|?*", c) != nullptr;
}

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  }
  return true;
}

}  // namespace

bool IsAbsoluteDrivePath(const std::string& path) {
  if (path.size() < 3 || !IsAsciiLetter(path[0]) || path[1] != ':' || path[2] != '\\') {
    return false;
  }
  size_t start = 3;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string name = path.substr(start, end - start);
    if (name == "..") return false;
    for (char c : name) {
      if (IsForbiddenInName(c)) return false;
    }
    start = end + 1;
  }
  return true;
}

std::string DestinationFromFolder(const std::string& folder) {
  const std::string with_backslash = AddTrailingBackslash(folder);
  const size_t last = with_backslash.find_last_of('\\', with_backslash.size() - 2);
  const size_t from = last == std::string::npos ? 0 : last + 1;
  const std::string name = with_backslash.substr(from, with_backslash.size() - 1 - from);
  return EqualsIgnoringCase(name, "vlrna") ? with_backslash : with_backslash + "vlrna\\";
}

}  // namespace vlrna
