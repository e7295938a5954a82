#ifndef VLRNA_SHELL_FOLDER_PAGE_H_
#define VLRNA_SHELL_FOLDER_PAGE_H_

#include <string>

#include "platform/runtime_error.h"
#include "shell/page_flow.h"

namespace vlrna {

// A wide page on which the user picks a folder: a heading Lab_Welcome, an
// explanation Lab_1, and in the frame FrmPath a drive list cmbDrive, a folder
// list cmbPath and the text field inpPath. The two lists work together as the
// classic controls do: choosing a drive shows that drive's current folder,
// choosing a folder opens it, and setting either from code runs the same
// handlers as the user's choice.
class FolderPage : public WizardPage {
 protected:
  // `error_box` is the id of the box that reports a drive or folder that
  // cannot be shown.
  FolderPage(std::string name, Context& ctx, PageFlow& flow, std::string error_box);

  // The page's own work once cmbPath shows a new folder ("C:\FSX", "C:\").
  virtual void FolderShown(const std::string& folder) = 0;

  // Chooses the drive named by the first character of `drive` and runs the
  // drive handler. Raises RuntimeError 68 when the machine has no such drive.
  void SetDrive(const std::string& drive);

  // Opens `path` in cmbPath ("X:" is the drive's current folder, "\a" is taken
  // from the current drive's root) and runs FolderShown. Raises RuntimeError
  // (see ShowFolder) and leaves the list as it was when it cannot.
  void SetFolder(const std::string& path);

  void OnChange(const std::string& control) override;

  // The letter of the last drive the lists changed to without error.
  std::string msLastDrive;

 private:
  void DriveChanged();
  void FolderChosen();
  void Report(const RuntimeError& error);

  std::string error_box_;
  std::string shown_folder_;
  bool restoring_drive_ = false;
};

}  // namespace vlrna

#endif  // VLRNA_SHELL_FOLDER_PAGE_H_
