#include "platform/posix/native_folders.h"

#include <sys/stat.h>

#include <cerrno>

namespace vlrna {
namespace {

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int MakeNativeFolders(const std::string& native_path, mode_t mode) {
  struct stat info;
  if (stat(native_path.c_str(), &info) == 0) return S_ISDIR(info.st_mode) ? 0 : EEXIST;
  // Usually the parent exists: one look at it, and only the missing tail is
  // walked.
  const size_t slash = native_path.find_last_of('/');
  if (slash != std::string::npos && slash > 0) {
    const int error = MakeNativeFolders(native_path.substr(0, slash), mode);
    if (error != 0) return error == EEXIST ? ENOTDIR : error;
  }
  if (mkdir(native_path.c_str(), mode) == 0) return 0;
  const int error = errno;
  return error == EEXIST && IsFolder(native_path) ? 0 : error;
}

}  // namespace vlrna
