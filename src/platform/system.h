#ifndef VLRNA_PLATFORM_SYSTEM_H_
#define VLRNA_PLATFORM_SYSTEM_H_

#include <cstdint>
#include <string>

namespace vlrna {

struct LocalTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct ProgramVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::string file_description;  // the program's description, as its version resource names it
};

// Services of the operating system that have no better home.
class System {
 public:
  virtual ~System() = default;

  // The Windows folder, e.g. "C:\windows".
  virtual std::string WindowsFolder() = 0;

  // The language identifier of the system default locale (0x0407 German).
  virtual uint16_t SystemDefaultLangId() = 0;

  virtual LocalTime Now() = 0;

  // Milliseconds from a fixed but arbitrary moment, never going backwards and
  // unmoved by changes of the wall clock: for measuring how long work takes.
  virtual int64_t MonotonicMillis() = 0;

  virtual ProgramVersion Version() = 0;

  // The folder of the running wizard as a Windows path, no trailing backslash.
  virtual std::string ProgramFolder() = 0;

  // Ends the process at once with `exit_code`. Never returns.
  [[noreturn]] virtual void EndProcess(int exit_code) = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_SYSTEM_H_
