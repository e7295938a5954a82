#ifndef VLRNA_INSTALL_INSTALL_START_PAGE_H_
#define VLRNA_INSTALL_INSTALL_START_PAGE_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "install/archive_extraction.h"
#include "install/install_recorder.h"
#include "install/overall_progress.h"
#include "shell/page_flow.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// How far the installation is, for whoever follows it without the page (the
// unattended run prints it).
struct InstallProgressEvent {
  size_t step = 0;          // 1 to 9
  std::string archive;      // "setup.101"
  int archive_percent = 0;  // as the bar shows it
  OverallFigures overall;
};
using InstallProgressObserver = std::function<void(const InstallProgressEvent&)>;

// The installation page: says the package is ready to be installed, and on
// Next becomes the progress page and runs the whole installation before it
// moves on to the finished page. There is no way back or out once it runs.
class InstallStartPage : public WizardPage, private ExtractionListener {
 public:
  // `observer` is called at every progress figure while archives are
  // unpacked, when it is set; it may be set after the page is made.
  InstallStartPage(Context& ctx, PageFlow& flow, const InstallProgressObserver& observer);

  void Load() override;

  // The installation sequence over this page (install_sequence.h).
  void RunInstallation();

  // What the installation would change, as the lines of the changes view:
  // the installation run on a machine that only records (PreviewMachine),
  // with the choices made so far, in the language of the message file.
  std::vector<std::string> PreviewChanges();

  // Unpacks archive number `index` (0 to 8) of the installation set;
  // returns true when it failed.
  bool ExtractArchive(size_t index, const std::string& name, const std::string& password,
                      const std::string& destination);

 protected:
  bool OnButton(const std::string& control) override;

 private:
  void Run();
  void ShowDetails();
  void ReadKnownTotals();
  void ArchiveOpened(uint64_t total, int64_t now_ms) override;
  void BytesDone(uint64_t bytes_done, int64_t now_ms) override;
  void Unpacking(const std::string& name, const std::string& destination,
                 const std::vector<ZipEntryInfo>& entries) override;
  void Unpacked(const std::string& name, const std::string& destination,
                const std::vector<ZipEntryInfo>& entries) override;
  void ShowOverall();
  void Notify(int archive_percent);

  const InstallProgressObserver& observer_;
  IniService ini_;
  ArchiveExtraction extraction_;
  OverallProgress overall_;
  InstallRecorder recorder_;
  size_t archive_index_ = 0;
  std::string archive_name_;
};

}  // namespace vlrna

#endif  // VLRNA_INSTALL_INSTALL_START_PAGE_H_
