#include "pages/unattended_run.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "destination/destination_folder.h"
#include "destination/select_path_page.h"
#include "install/archive_extraction.h"
#include "pages/progress_lines.h"
#include "pages/wizard.h"
#include "platform/ascii_case.h"
#include "shell/install_log.h"
#include "shell/language_page.h"
#include "shell/program_end.h"
#include "simconfig/options_page.h"
#include "simulators/fs_select_page.h"

namespace vlrna {
namespace {

constexpr int kMaxSteps = 64;  // far more pages than a walk can show

// The machine's services, with the process's end taking the exit code of
// the run's outcome instead of the wizard's fixed one.
class ExitCodeSystem : public System {
 public:
  ExitCodeSystem(System& system, std::function<int()> exit_code)
      : system_(system), exit_code_(std::move(exit_code)) {}
  std::string WindowsFolder() override { return system_.WindowsFolder(); }
  uint16_t SystemDefaultLangId() override { return system_.SystemDefaultLangId(); }
  LocalTime Now() override { return system_.Now(); }
  int64_t MonotonicMillis() override { return system_.MonotonicMillis(); }
  ProgramVersion Version() override { return system_.Version(); }
  std::string ProgramFolder() override { return system_.ProgramFolder(); }
  [[noreturn]] void EndProcess(int /*exit_code*/) override {
    system_.EndProcess(exit_code_());
    std::abort();  // not reached: the process has ended
  }

 private:
  System& system_;
  std::function<int()> exit_code_;
};

// The machine's processes, the launcher ended with the run's exit code too,
// so that it reaches whoever started the launcher.
class ExitCodeProcesses : public Processes {
 public:
  ExitCodeProcesses(Processes& processes, std::function<int()> exit_code)
      : processes_(processes), exit_code_(std::move(exit_code)) {}
  std::vector<ProcessInfo> List() override { return processes_.List(); }
  bool Terminate(const ProcessInfo& process, int /*exit_code*/) override {
    return processes_.Terminate(process, exit_code_());
  }

 private:
  Processes& processes_;
  std::function<int()> exit_code_;
};

const char* AnswerName(MessageAnswer answer) {
  switch (answer) {
    case kAnswerOk:
      return "OK";
    case kAnswerCancel:
      return "Cancel";
    case kAnswerRetry:
      return "Retry";
    case kAnswerYes:
      return "Yes";
    case kAnswerNo:
      return "No";
  }
  return "?";
}

// The answer that ends a question safely: No, or Cancel.
MessageAnswer SafeAnswer(const MessageRequest& box) {
  return box.buttons == MessageButtons::kYesNo ? kAnswerNo : kAnswerCancel;
}

const char* LanguageOption(const std::string& letter) {
  if (letter == "D") return "Opt_GER";
  if (letter == "I") return "Opt_ITA";
  if (letter == "F") return "Opt_FRA";
  return "Opt_ENG";
}

class Driver {
 public:
  Driver(Platform& platform, HeadlessWindow& window, const UnattendedOptions& options,
         const UnattendedOutput& out)
      : system_(platform.system, [this] { return ExitCode(); }),
        processes_(platform.processes, [this] { return ExitCode(); }),
        platform_(WithExitCode(platform)),
        window_(window),
        options_(options),
        out_(out),
        progress_(out.print, [this] { return platform_.system.MonotonicMillis(); }) {}

  [[noreturn]] void Run();

 private:
  Platform WithExitCode(const Platform& platform) {
    return {platform.registry, platform.files,  platform.drives,    processes_,  system_,
            platform.sound,    platform.window, platform.code_page, platform.zip};
  }
  int ExitCode();
  void AnswerBoxes();
  void PrintLogFile();
  void Walk();
  void PrintPage(const Page& page);
  void Act(Page& page);
  void ChooseSimulator(Page& page);
  void Uninstall(OptionsPage& page);
  void ChooseDestination(Page& page);
  void Next(Page& page);
  [[noreturn]] void Stop(const std::string& why);

  ExitCodeSystem system_;
  ExitCodeProcesses processes_;
  Platform platform_;
  HeadlessWindow& window_;
  const UnattendedOptions& options_;
  const UnattendedOutput& out_;
  ProgramState state_;
  Context ctx_{state_, platform_};
  Wizard wizard_{ctx_};
  ProgressLines progress_;
  bool finished_ = false;
  bool restored_ = false;
  bool uninstalled_ = false;
};

int Driver::ExitCode() {
  if (options_.uninstall) {
    if (!uninstalled_) return kExitEnded;
    const auto& options = static_cast<OptionsPage&>(wizard_.flow().Get("Options"));
    for (const RemovalReport& report : options.last_removal()) {
      if (!report.done()) return kExitEnded;
    }
    return kExitInstalled;
  }
  if (options_.restore_autogen) {
    if (!restored_) return kExitEnded;
    const auto& options = static_cast<OptionsPage&>(wizard_.flow().Get("Options"));
    for (const RestoredSimulator& simulator : options.last_restore()) {
      for (const RestoredFile& file : simulator.files) {
        if (file.outcome == RestoreOutcome::kNotWritten) return kExitWithErrors;
      }
    }
    return kExitInstalled;
  }
  if (!finished_) return kExitEnded;
  return state_.gbEditFailed ? kExitWithErrors : kExitInstalled;
}

void Driver::AnswerBoxes() {
  window_.AnswerAlways(kDestinationCreateFolderBox, kAnswerYes);
  window_.AnswerAlways(kDiscPromptBox, kAnswerCancel);
  window_.AnswerAlways(kConfirmQuitBox, kAnswerYes);
  window_.AnswerAlways(kLanguageQuitBox, kAnswerYes);
  if (options_.uninstall) window_.AnswerAlways(kUninstallConfirmBox, kAnswerYes);
  window_.set_fallback_answer(SafeAnswer);
  window_.set_on_message([this](const MessageRequest& box, MessageAnswer answer) {
    out_.print("[box " + box.id + "] " + box.title + ": " + box.text + " -> " + AnswerName(answer));
  });
}

void Driver::Run() {
  AnswerBoxes();
  wizard_.set_install_progress_observer(
      [this](const InstallProgressEvent& event) { progress_.Report(event); });
  try {
    wizard_.Start();
    if (options_.dry_run) WriteLog(ctx_, "Preview only (--dry-run): no file is changed");
    PrintLogFile();
    Walk();
    Stop("the wizard took more steps than any installation needs");
  } catch (const RuntimeError& error) {
    EndOnUntrappedError(ctx_, error);
  } catch (const std::exception& error) {
    // A question this run cannot answer, or a fault: say so and end the
    // usual way rather than abort.
    out_.print(std::string("the unattended run stops: ") + error.what());
    FatalError(ctx_, "");
  }
}

void Driver::PrintLogFile() {
  const std::string log = state_.gsUserDir + "\\" + state_.gsLogFile;
  out_.print("log: " + log);
  if (!out_.native_path) return;  // Windows paths are the machine's own
  const std::string native = out_.native_path(log);
  if (!native.empty()) {
    out_.print_native("     " + native);
  } else {
    out_.print("     (its folder cannot be reached on this machine: nothing can be logged)");
  }
}

void Driver::Walk() {
  for (int step = 0; step < kMaxSteps; ++step) {
    Page* page = window_.visible_page();
    if (page == nullptr) Stop("no page is shown");
    PrintPage(*page);
    Act(*page);
  }
}

void Driver::PrintPage(const Page& page) {
  out_.print("page " + page.name() + ": " + page.caption);
  for (const Control& c : page.controls()) {
    if (!c.visible || c.text.empty()) continue;
    if (c.kind == ControlKind::kLabel || (c.kind == ControlKind::kOption && c.value) ||
        c.kind == ControlKind::kTextBox) {
      std::string text = c.text;
      for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.replace(at, 2, " ");
      }
      out_.print("  " + text);
    }
  }
}

void Driver::Act(Page& page) {
  const std::string& name = page.name();
  if (name == "Setup") {
    window_.ChooseOption(LanguageOption(options_.language));
  } else if (name == "Welcome" && (options_.restore_autogen || options_.uninstall)) {
    out_.print("  -> Options");
    window_.Click("Cmd_Options");
    return;
  } else if (name == "Options" && options_.uninstall) {
    Uninstall(static_cast<OptionsPage&>(page));
  } else if (name == "Options") {
    if (!options_.restore_autogen || restored_) Stop("");
    out_.print("  -> Restore");
    window_.Click("cmd_autogen");
    restored_ = true;
    Stop("");
  } else if (name == "FSSelect") {
    ChooseSimulator(page);
  } else if (name == "SelectPath") {
    ChooseDestination(page);
  } else if (name == "Finished") {
    finished_ = true;
  } else if (name != "Welcome" && name != "License" && name != "InstallStart") {
    Stop("the page " + name + " is not part of an installation");
  }
  Next(page);
}

void Driver::Uninstall(OptionsPage& page) {
  if (uninstalled_) Stop("");
  if (options_.simulator && !state_.gbSimFound[*options_.simulator]) {
    Stop("the simulator " + SimulatorName(*options_.simulator) +
         " (--simulator) is not installed on this machine");
  }
  page.set_uninstall_row(options_.simulator);
  out_.print("  -> Remove");
  window_.Click("cmd_uninstall");
  uninstalled_ = true;
  for (const RemovalReport& report : page.last_removal()) {
    out_.print("removal from " + SimulatorName(report.row) + ": " +
               std::to_string(report.removed.size()) + " changes undone, " +
               std::to_string(report.kept.size()) + " kept, " +
               std::to_string(report.failures.size()) + " failed");
  }
  Stop("");
}

void Driver::ChooseSimulator(Page& page) {
  if (!options_.simulator) return;
  int option = *options_.simulator;
  // Flight Simulator X and its Steam Edition in one folder are one option.
  if (option <= 1 && !page[SimulationOption(option)].enabled && page[SimulationOption(0)].enabled &&
      state_.gsSimPath[0] == state_.gsSimPath[1]) {
    option = 0;
  }
  if (!page[SimulationOption(option)].enabled) {
    Stop("the simulator " + SimulatorName(*options_.simulator) +
         " (--simulator) is not installed on this machine");
  }
  window_.ChooseOption(SimulationOption(option));
}

void Driver::ChooseDestination(Page& page) {
  if (options_.dir.empty()) return;
  if (!page["cmbDrive"].enabled) {
    // An earlier installation decides the folder; the lists are locked.
    const std::string earlier = page["inpPath"].text;
    if (!SameIgnoringAsciiCase(DestinationFromFolder(options_.dir), earlier)) {
      Stop("the scenery is installed in " + earlier +
           " already and can only be installed there again; --dir names " + options_.dir);
    }
    return;
  }
  window_.EditText("inpPath", options_.dir);
}

void Driver::Next(Page& page) {
  const Control& next = page["Cmd_Next"];
  if (!next.visible || !next.enabled) Stop("Next is not available on the page " + page.name());
  out_.print("  -> Next");
  window_.Click("Cmd_Next");
  if (window_.visible_page() == &page) Stop("the page " + page.name() + " does not go on");
}

void Driver::Stop(const std::string& why) {
  if (!why.empty()) out_.print("the unattended run stops: " + why + ".");
  Page* page = window_.visible_page();
  if (page != nullptr && (*page)["Cmd_Quit"].enabled) {
    out_.print("  -> Cancel");
    window_.Click("Cmd_Quit");
  }
  FatalError(ctx_, "");
}

}  // namespace

void RunUnattended(Platform& platform, HeadlessWindow& window, const UnattendedOptions& options,
                   const UnattendedOutput& out) {
  Driver driver(platform, window, options, out);
  driver.Run();
}

}  // namespace vlrna
