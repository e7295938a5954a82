#include "platform/win32/win32_error.h"

#include "platform/win32/windows_api.h"

namespace vlrna {

int32_t ErrorNumberForWin32(uint32_t error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return kErrFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
      return kErrPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return kErrPermissionDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return kErrDiskFull;
    case ERROR_NOT_READY:
      return kErrDiskNotReady;
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
      return kErrDeviceUnavailable;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return kErrOutOfMemory;
    case ERROR_FILENAME_EXCED_RANGE:
      return kErrBadFileName;
    default:
      return kErrPathFileAccess;
  }
}

RuntimeError Win32Error(const std::string& context, uint32_t error) {
  const int32_t number = ErrorNumberForWin32(error);
  std::string description = DescribeErrorNumber(number) + ": " + context;
  char text[512] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                error, 0, text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' ||
                        text[length - 1] == ' ' || text[length - 1] == '.')) {
    text[--length] = '\0';
  }
  if (length > 0) description += std::string(" (") + text + ")";
  return RuntimeError(number, description, "Win32");
}

}  // namespace vlrna
