#ifndef VLRNA_PREVIEW_PREVIEW_MACHINE_H_
#define VLRNA_PREVIEW_PREVIEW_MACHINE_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "preview/change_summary.h"
#include "preview/preview_zip.h"
#include "preview/recording_files.h"

namespace vlrna {

// How a preview runs. The defaults are those of the command line's.
struct PreviewSettings {
  // Called with what the run would have done (DescribeChanges) when it ends
  // the program, before the program ends.
  std::function<void(const std::vector<std::string>& utf8_lines)> report;
  // Whether the log reaches the disk; otherwise it is recorded like any file
  // and left out of the summary.
  bool log_to_disk = true;
  // Replaces the machine's window layer, when set.
  WindowLayer* window = nullptr;
  // Whether the run's end of the program throws PreviewEnded instead, for a
  // preview that runs inside the wizard.
  bool end_throws = false;
};

// What a preview's end of the program throws when it must not end it.
struct PreviewEnded {
  int exit_code = 0;
};

// A machine on which a run only pretends to change anything: its files
// record the writes (only the log reaches the disk), its zip library
// measures the archives without unpacking them, no process is ended. When
// the run ends the program, `report` gets what the run would have done
// (DescribeChanges) first.
class PreviewMachine {
 public:
  PreviewMachine(const Platform& real, PreviewSettings settings);
  ~PreviewMachine();
  PreviewMachine(const PreviewMachine&) = delete;
  PreviewMachine& operator=(const PreviewMachine&) = delete;

  Platform& platform() { return platform_; }
  const RecordingFiles& files() const { return files_; }
  // What the run so far would have done.
  std::vector<std::string> Describe(const SummaryPhrases& phrases = {}) const;

 private:
  class Processes;
  class System;

  RecordingFiles files_;
  std::unique_ptr<PreviewZip> zip_;
  std::unique_ptr<Processes> processes_;
  std::unique_ptr<System> system_;
  const AnsiCodePage& code_page_;
  Platform platform_;
};

}  // namespace vlrna

#endif  // VLRNA_PREVIEW_PREVIEW_MACHINE_H_
