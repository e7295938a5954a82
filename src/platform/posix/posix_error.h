#ifndef VLRNA_PLATFORM_POSIX_POSIX_ERROR_H_
#define VLRNA_PLATFORM_POSIX_POSIX_ERROR_H_

#include <string>

#include "platform/runtime_error.h"

namespace vlrna {

// The run-time error number that stands for an errno value: 53 File not
// found, 76 Path not found, 70 Permission denied, 61 Disk full, 71 Disk not
// ready, 68 Device unavailable, 75 Path/File access error for the rest.
int32_t ErrorNumberForErrno(int error);

// The run-time error for an OS failure on `context` (a file name, usually in
// its Windows form): its description reads "<classic description>: <context>
// (<strerror>)", its source is "Posix".
RuntimeError PosixError(const std::string& context, int error);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_ERROR_H_
