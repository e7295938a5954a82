#ifndef VLRNA_PLATFORM_WIN32_WINDOWS_API_H_
#define VLRNA_PLATFORM_WIN32_WINDOWS_API_H_

// The Windows headers, for the files of this backend only. Their macros that
// rename calls by character set would also rename the methods of our own
// interfaces that share those names (Files::CopyFile, Files::DeleteFile);
// this backend calls the A forms by their full names instead. `Yield`, an
// empty macro left from 16-bit Windows, would empty WindowLayer::Yield.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef CopyFile
#undef DeleteFile
#undef GetMessage
#undef Yield

#endif  // VLRNA_PLATFORM_WIN32_WINDOWS_API_H_
