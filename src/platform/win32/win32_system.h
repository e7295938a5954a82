#ifndef VLRNA_PLATFORM_WIN32_WIN32_SYSTEM_H_
#define VLRNA_PLATFORM_WIN32_WIN32_SYSTEM_H_

#include "platform/sound.h"
#include "platform/system.h"

namespace vlrna {

// The operating system's services through the ANSI calls; the version comes
// from the program's own version resource.
class Win32System : public System {
 public:
  std::string WindowsFolder() override;
  uint16_t SystemDefaultLangId() override;
  LocalTime Now() override;
  int64_t MonotonicMillis() override;
  ProgramVersion Version() override;
  std::string ProgramFolder() override;
  [[noreturn]] void EndProcess(int exit_code) override;
};

// Sound through PlaySoundA; a machine without sound plays nothing.
class Win32Sound : public Sound {
 public:
  void PlayAsync(const std::string& wav_path) override;
  void Stop() override;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_SYSTEM_H_
