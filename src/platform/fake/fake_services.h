#ifndef VLRNA_PLATFORM_FAKE_FAKE_SERVICES_H_
#define VLRNA_PLATFORM_FAKE_FAKE_SERVICES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/processes.h"
#include "platform/runtime_error.h"
#include "platform/sound.h"
#include "platform/system.h"

namespace vlrna {

// Fakes of the small services. Their fields are the machine a test describes;
// what the code did is recorded beside them.

class FakeDrives : public Drives {
 public:
  struct Drive {
    std::string display;  // "c: [system]"
    DriveType type = kDriveFixed;
    std::optional<uint64_t> free_bytes = 100'000'000'000ull;
    bool ready = true;
  };
  std::vector<Drive> drives;

  std::vector<std::string> List() override;
  DriveType TypeOf(const std::string& root) override;
  std::optional<uint64_t> FreeBytesForCaller(const std::string& root) override;
  bool IsReady(const std::string& drive) override;

 private:
  const Drive* Find(const std::string& root) const;
};

class FakeProcesses : public Processes {
 public:
  std::vector<ProcessInfo> running;
  bool fail_listing = false;
  std::vector<ProcessInfo> terminated;
  std::vector<int> terminated_with;  // the exit codes asked for, in order

  std::vector<ProcessInfo> List() override;
  bool Terminate(const ProcessInfo& process, int exit_code) override;
};

// Thrown by FakeSystem::EndProcess in place of ending the test's process.
struct ProcessEnded {
  int exit_code;
};

class FakeSystem : public System {
 public:
  std::string windows_folder = "C:\\windows";
  uint16_t language_id = 0x0409;
  LocalTime now{2026, 12, 5, 10, 7, 33};
  ProgramVersion version{4, 3, 217, "Veltrona Zozo Setup"};
  std::string program_folder = "D:\\Setup";
  std::vector<int> end_calls;
  // The monotonic clock: each reading returns `monotonic_ms` and then moves it
  // on by `monotonic_step_ms`, so work "takes" time without a test waiting.
  int64_t monotonic_ms = 0;
  int64_t monotonic_step_ms = 0;

  std::string WindowsFolder() override { return windows_folder; }
  uint16_t SystemDefaultLangId() override { return language_id; }
  LocalTime Now() override { return now; }
  int64_t MonotonicMillis() override;
  ProgramVersion Version() override { return version; }
  std::string ProgramFolder() override { return program_folder; }
  [[noreturn]] void EndProcess(int exit_code) override;
};

class FakeSound : public Sound {
 public:
  std::vector<std::string> played;
  int stops = 0;

  void PlayAsync(const std::string& wav_path) override { played.push_back(wav_path); }
  void Stop() override { ++stops; }
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAKE_SERVICES_H_
