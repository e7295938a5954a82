#include "platform/posix/posix_error.h"

#include <cerrno>
#include <cstring>

namespace vlrna {

int32_t ErrorNumberForErrno(int error) {
  switch (error) {
    case ENOENT:
      return kErrFileNotFound;
    case ENOTDIR:
    case ELOOP:
      return kErrPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return kErrPermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kErrDiskFull;
    case EIO:
    case ENOMEDIUM:
      return kErrDiskNotReady;
    case ENXIO:
    case ENODEV:
      return kErrDeviceUnavailable;
    case ENOMEM:
      return kErrOutOfMemory;
    case ENAMETOOLONG:
      return kErrBadFileName;
    default:
      return kErrPathFileAccess;
  }
}

RuntimeError PosixError(const std::string& context, int error) {
  int32_t number = ErrorNumberForErrno(error);
  std::string description = DescribeErrorNumber(number) + ": " + context;
  if (error != 0) description += std::string(" (") + std::strerror(error) + ")";
  return RuntimeError(number, description, "Posix");
}

}  // namespace vlrna
