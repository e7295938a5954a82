#include "shell/folder_page.h"

#include "shell/folder_lists.h"
#include "shell/page_layout.h"

namespace vlrna {

FolderPage::FolderPage(std::string name, Context& ctx, PageFlow& flow, std::string error_box)
    : WizardPage(std::move(name), kWidePageWidth, ctx, flow), error_box_(std::move(error_box)) {
  AddStandardControls(*this);
  const Rect area = ContentArea(*this);
  const int32_t l = area.left;
  const int32_t w = area.width;
  AddControl(*this, "Lab_Welcome", ControlKind::kLabel, {l, 150, w, 480}).font = {"", 13, true};
  AddControl(*this, "Lab_1", ControlKind::kLabel, {l, 720, w, 900});
  // The frame stands clear of the explanation even where a translation fills
  // all four of its lines.
  AddControl(*this, "FrmPath", ControlKind::kFrame, {l, 1800, w, 2610});
  AddControl(*this, "cmbDrive", ControlKind::kDriveList, {l + 120, 2100, w - 240, 315}, "",
             "FrmPath");
  AddControl(*this, "cmbPath", ControlKind::kFolderList, {l + 120, 2490, w - 240, 1380}, "",
             "FrmPath");
  AddControl(*this, "inpPath", ControlKind::kTextBox, {l + 120, 3960, w - 240, 315}, "", "FrmPath");
}

void FolderPage::SetDrive(const std::string& drive) {
  ChooseDrive(ctx_, (*this)["cmbDrive"], drive);
  DriveChanged();
}

void FolderPage::SetFolder(const std::string& path) {
  Control& list = (*this)["cmbPath"];
  ShowFolder(ctx_, list, ResolveFolder(shown_folder_, path));
  shown_folder_ = list.text;
  FolderShown(shown_folder_);
}

void FolderPage::OnChange(const std::string& control) {
  if (control == "cmbDrive") DriveChanged();
  if (control == "cmbPath") FolderChosen();
}

void FolderPage::DriveChanged() {
  const std::string drive = (*this)["cmbDrive"].text.substr(0, 2);
  try {
    SetFolder(drive);
    msLastDrive = drive.substr(0, 1);
  } catch (const RuntimeError& error) {
    Report(error);
    // Back to the last good drive, once: should that fail too, the user has
    // been told and the lists stay as they are.
    if (msLastDrive.empty() || restoring_drive_) return;
    restoring_drive_ = true;
    try {
      SetDrive(msLastDrive);
    } catch (const RuntimeError&) {
    }
    restoring_drive_ = false;
  }
}

void FolderPage::FolderChosen() {
  Control& list = (*this)["cmbPath"];
  const std::string chosen = list.text;
  if (chosen == shown_folder_) return;
  try {
    SetFolder(chosen);
  } catch (const RuntimeError& error) {
    list.text = shown_folder_;
    for (size_t i = 0; i < list.items.size(); ++i) {
      if (list.items[i] == shown_folder_) list.list_index = static_cast<int32_t>(i);
    }
    Report(error);
  }
}

void FolderPage::Report(const RuntimeError& error) {
  ctx_.platform.window.ShowMessage(
      {error_box_, error.description(), kAppTitle, MessageIcon::kInformation, MessageButtons::kOk});
}

}  // namespace vlrna
