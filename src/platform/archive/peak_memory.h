#ifndef VLRNA_PLATFORM_ARCHIVE_PEAK_MEMORY_H_
#define VLRNA_PLATFORM_ARCHIVE_PEAK_MEMORY_H_

#ifdef _WIN32
#include <windows.h>
// windows.h first: psapi.h needs its types.
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace vlrna {

// The most memory the process has held resident so far, in KiB, for tests
// that check memory stays flat.
inline long PeakMemoryKiB() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#endif
}

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_PEAK_MEMORY_H_
