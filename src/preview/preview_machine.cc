#include "preview/preview_machine.h"

#include <cstdlib>

#include "preview/change_summary.h"
#include "shell/install_log.h"

namespace vlrna {

// Lists the machine's processes and ends none.
class PreviewMachine::Processes : public vlrna::Processes {
 public:
  explicit Processes(vlrna::Processes& real) : real_(real) {}
  std::vector<ProcessInfo> List() override { return real_.List(); }
  bool Terminate(const ProcessInfo&) override { return false; }

 private:
  vlrna::Processes& real_;
};

// The machine's system, reporting what the run would have done before the
// program ends.
class PreviewMachine::System : public vlrna::System {
 public:
  System(vlrna::System& real, std::function<void()> before_end)
      : real_(real), before_end_(std::move(before_end)) {}
  std::string WindowsFolder() override { return real_.WindowsFolder(); }
  uint16_t SystemDefaultLangId() override { return real_.SystemDefaultLangId(); }
  LocalTime Now() override { return real_.Now(); }
  int64_t MonotonicMillis() override { return real_.MonotonicMillis(); }
  ProgramVersion Version() override { return real_.Version(); }
  std::string ProgramFolder() override { return real_.ProgramFolder(); }
  [[noreturn]] void EndProcess(int exit_code) override {
    if (before_end_) before_end_();
    real_.EndProcess(exit_code);
    std::abort();  // not reached: the process has ended
  }

 private:
  vlrna::System& real_;
  std::function<void()> before_end_;
};

PreviewMachine::PreviewMachine(const Platform& real, Report report)
    : files_(real.files, [](const std::string& path) { return IsInstallLogPath(path); }),
      zip_(real.zip != nullptr ? std::make_unique<PreviewZip>(*real.zip) : nullptr),
      processes_(std::make_unique<Processes>(real.processes)),
      system_(std::make_unique<System>(real.system,
                                       [this, report = std::move(report)] {
                                         if (report) report(Describe());
                                       })),
      code_page_(real.code_page),
      platform_{real.registry, files_,      real.drives,    *processes_, *system_,
                real.sound,    real.window, real.code_page, zip_.get()} {}

PreviewMachine::~PreviewMachine() = default;

std::vector<std::string> PreviewMachine::Describe() const {
  static const std::vector<PlannedUnpack> kNone;
  return DescribeChanges(files_, zip_ ? zip_->unpacks() : kNone, code_page_);
}

}  // namespace vlrna
