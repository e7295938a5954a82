#ifndef VLRNA_PLATFORM_WIN32_WIN32_ERROR_H_
#define VLRNA_PLATFORM_WIN32_WIN32_ERROR_H_

#include <cstdint>
#include <string>

#include "platform/runtime_error.h"

namespace vlrna {

// The run-time error number for a Windows error code (GetLastError).
int32_t ErrorNumberForWin32(uint32_t error);

// A RuntimeError for a failed call on `context` (a path), with the system's
// text of the Windows error.
RuntimeError Win32Error(const std::string& context, uint32_t error);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_ERROR_H_
