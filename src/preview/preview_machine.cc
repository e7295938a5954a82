#include "preview/preview_machine.h"

#include <cstdlib>

#include "shell/install_log.h"

namespace vlrna {

// Lists the machine's processes and ends none.
class PreviewMachine::Processes : public vlrna::Processes {
 public:
  explicit Processes(vlrna::Processes& real) : real_(real) {}
  std::vector<ProcessInfo> List() override { return real_.List(); }
  bool Terminate(const ProcessInfo&, int) override { return false; }

 private:
  vlrna::Processes& real_;
};

// The machine's system, reporting what the run would have done before the
// program ends.
class PreviewMachine::System : public vlrna::System {
 public:
  System(vlrna::System& real, std::function<void()> before_end, bool end_throws)
      : real_(real), before_end_(std::move(before_end)), end_throws_(end_throws) {}
  std::string WindowsFolder() override { return real_.WindowsFolder(); }
  uint16_t SystemDefaultLangId() override { return real_.SystemDefaultLangId(); }
  LocalTime Now() override { return real_.Now(); }
  int64_t MonotonicMillis() override { return real_.MonotonicMillis(); }
  ProgramVersion Version() override { return real_.Version(); }
  std::string ProgramFolder() override { return real_.ProgramFolder(); }
  [[noreturn]] void EndProcess(int exit_code) override {
    if (before_end_) before_end_();
    if (end_throws_) throw PreviewEnded{exit_code};
    real_.EndProcess(exit_code);
    std::abort();  // not reached: the process has ended
  }

 private:
  vlrna::System& real_;
  std::function<void()> before_end_;
  bool end_throws_;
};

PreviewMachine::PreviewMachine(const Platform& real, PreviewSettings settings)
    : files_(real.files,
             [log_to_disk = settings.log_to_disk](const std::string& path) {
               return log_to_disk && IsInstallLogPath(path);
             }),
      zip_(real.zip != nullptr ? std::make_unique<PreviewZip>(*real.zip) : nullptr),
      processes_(std::make_unique<Processes>(real.processes)),
      system_(std::make_unique<System>(
          real.system,
          [this, report = std::move(settings.report)] {
            if (report) report(Describe());
          },
          settings.end_throws)),
      code_page_(real.code_page),
      platform_{real.registry,
                files_,
                real.drives,
                *processes_,
                *system_,
                real.sound,
                settings.window != nullptr ? *settings.window : real.window,
                real.code_page,
                zip_.get()} {}

PreviewMachine::~PreviewMachine() = default;

std::vector<std::string> PreviewMachine::Describe(const SummaryPhrases& phrases) const {
  static const std::vector<PlannedUnpack> kNone;
  return DescribeChanges(files_, zip_ ? zip_->unpacks() : kNone, code_page_, phrases);
}

}  // namespace vlrna
