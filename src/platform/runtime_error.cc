#include "platform/runtime_error.h"

#include <utility>

namespace vlrna {

RuntimeError::RuntimeError(int32_t number, std::string description, std::string source,
                           int32_t line)
    : std::runtime_error(description),
      number_(number),
      description_(std::move(description)),
      source_(std::move(source)),
      line_(line) {}

std::string DescribeErrorNumber(int32_t number) {
  switch (number) {
    case kErrInvalidCall:
      return "Invalid procedure call or argument";
    case kErrOverflow:
      return "Overflow";
    case kErrOutOfMemory:
      return "Out of memory";
    case kErrSubscriptOutOfRange:
      return "Subscript out of range";
    case kErrBadFileName:
      return "Bad file name or number";
    case kErrFileNotFound:
      return "File not found";
    case kErrFileAlreadyOpen:
      return "File already open";
    case kErrDiskFull:
      return "Disk full";
    case kErrInputPastEnd:
      return "Input past end of file";
    case kErrDeviceUnavailable:
      return "Device unavailable";
    case kErrPermissionDenied:
      return "Permission denied";
    case kErrDiskNotReady:
      return "Disk not ready";
    case kErrPathFileAccess:
      return "Path/File access error";
    case kErrPathNotFound:
      return "Path not found";
    default:
      return "Application-defined or object-defined error";
  }
}

}  // namespace vlrna
