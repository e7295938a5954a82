#include "platform/posix/native_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <vector>

namespace vlrna {
namespace {

bool IsFolder(const char* path) {
  struct stat info;
  return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int MakeNativeFolders(const std::string& native_path, mode_t mode) {
  struct stat info;
  if (stat(native_path.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? 0 : EEXIST;
  // Up from the end to the deepest folder that exists, then down making
  // the missing ones: a loop over one buffer, so that a deep path costs
  // neither stack nor copies. Usually only the last part is missing.
  std::string path = native_path;
  std::vector<size_t> missing = {path.size()};  // ends of the missing parts, deepest first
  for (size_t end = path.size(); end > 1;) {
    const size_t slash = path.find_last_of('/', end - 1);
    if (slash == std::string::npos || slash == 0) break;
    path[slash] = '\0';
    const bool found = stat(path.c_str(), &info) == 0;
    path[slash] = '/';
    if (found) {
      if (!S_ISDIR(info.st_mode)) return ENOTDIR;
      break;
    }
    missing.push_back(slash);
    end = slash;
  }
  for (auto end = missing.rbegin(); end != missing.rend(); ++end) {
    const bool last = *end == path.size();
    if (!last) path[*end] = '\0';
    const bool made = mkdir(path.c_str(), mode) == 0;
    const int error = made ? 0 : errno;
    const bool there = error == EEXIST && IsFolder(path.c_str());
    if (!last) path[*end] = '/';
    if (!made && !there) return error == EEXIST && !last ? ENOTDIR : error;
  }
  return 0;
}

}  // namespace vlrna
