#ifndef VLRNA_PREVIEW_PREVIEW_MACHINE_H_
#define VLRNA_PREVIEW_PREVIEW_MACHINE_H_

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "preview/preview_zip.h"
#include "preview/recording_files.h"

namespace vlrna {

// A machine on which a run only pretends to change anything: its files
// record the writes (only the log reaches the disk), its zip library
// measures the archives without unpacking them, no process is ended. When
// the run ends the program, `report` gets what the run would have done
// (DescribeChanges) first.
class PreviewMachine {
 public:
  using Report = std::function<void(const std::vector<std::string>& utf8_lines)>;

  PreviewMachine(const Platform& real, Report report);
  ~PreviewMachine();
  PreviewMachine(const PreviewMachine&) = delete;
  PreviewMachine& operator=(const PreviewMachine&) = delete;

  Platform& platform() { return platform_; }
  const RecordingFiles& files() const { return files_; }
  // What the run so far would have done.
  std::vector<std::string> Describe() const;

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
