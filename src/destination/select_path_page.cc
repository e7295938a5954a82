#include "destination/select_path_page.h"

#include "destination/destination_folder.h"
#include "shell/folder_lists.h"
#include "shell/install_log.h"
#include "shell/message_catalogue.h"
#include "shell/program_end.h"
#include "shell/shared_helpers.h"
#include "simconfig/scenery_library.h"

namespace vlrna {

SelectPathPage::SelectPathPage(Context& ctx, PageFlow& flow)
    : FolderPage("SelectPath", ctx, flow, kDestinationDriveErrorBox),
      ini_(ctx.platform.files, ctx.platform.code_page) {
  (*this)["FrmPath"].text = "Select Destination Path:";
}

void SelectPathPage::Load() { SetCaptions(); }

void SelectPathPage::SetCaptions() {
  const auto& texts = ctx_.state.MessageCatalogue;
  caption = texts[1];
  (*this)["Lab_Welcome"].text = texts[13];
  (*this)["FrmPath"].text = texts[9];
  (*this)["Lab_1"].text = texts[14];
  SetButtonCaptions();
}

void SelectPathPage::PrepareForm() {
  SetCaptions();
  FillDriveList(ctx_, (*this)["cmbDrive"]);
  const std::string earlier = EarlierInstallation();
  const bool found = !earlier.empty();
  (*this)["Lab_1"].text = ctx_.state.MessageCatalogue[found ? 45 : 14];
  (*this)["cmbDrive"].enabled = !found;
  (*this)["cmbPath"].enabled = !found;
  (*this)["FrmPath"].visible = !found;
  if (found) (*this)["inpPath"].text = earlier;
  Propose(found ? earlier : ctx_.state.gsFSXPath);
}

std::string SelectPathPage::EarlierInstallation() {
  try {
    FindExistingInstallation(ctx_, ini_);
  } catch (const RuntimeError& error) {
    // A library the scan cannot read to the end (a layer value beyond 16
    // bits) shows no earlier installation; it is no reason to end the wizard.
    LogError(ctx_, error);
    ctx_.state.gsExistingPath.clear();
  }
  // A Local value edited by hand may leave a relative folder, which cannot
  // be proposed: the user then chooses as without an earlier installation.
  const std::string& folder = ctx_.state.gsExistingPath;
  return IsAbsoluteDrivePath(folder) ? folder : "";
}

void SelectPathPage::Propose(const std::string& folder) {
  try {
    SetDrive(folder.substr(0, 1));
    SetFolder(folder);
  } catch (const RuntimeError&) {
    // The folder (or its drive) is gone: propose it all the same, so that the
    // user sees it; Next checks it like any other.
    (*this)["inpPath"].text = DestinationFromFolder(folder);
  }
}

void SelectPathPage::FolderShown(const std::string& folder) {
  (*this)["inpPath"].text = DestinationFromFolder(folder);
}

bool SelectPathPage::OnButton(const std::string& control) {
  if (control == "Cmd_Next") return TakeDestination();
  return FolderPage::OnButton(control);
}

bool SelectPathPage::TakeDestination() {
  ProgramState& s = ctx_.state;
  const std::string typed = (*this)["inpPath"].text;
  if (!IsAbsoluteDrivePath(typed)) {
    Refuse(kDestinationBadPathBox, 62, "%INSTPATH%", typed);
    WriteLog(ctx_, "Installation directory is not valid!");
    return false;
  }
  s.gsInstPath = DestinationFromFolder(typed);
  (*this)["inpPath"].text = s.gsInstPath;
  std::string root = s.gsInstPath.substr(0, 3);
  if (root[0] >= 'a' && root[0] <= 'z') root[0] = static_cast<char>(root[0] - 'a' + 'A');
  const std::string drive = root.substr(0, 2);
  const std::string letter = root.substr(0, 1);
  if (ctx_.platform.drives.TypeOf(root) != kDriveFixed) {
    Refuse(kDestinationNotFixedBox, 40, "%DRIVE%", drive);
    WriteLog(ctx_, "Drive " + letter + " is no harddrive!");
    return false;
  }
  if (!(FreeDiskBytes(ctx_, root) > kRequiredFreeBytes)) {
    Refuse(kDestinationNoSpaceBox, 41, "%DRIVE%", drive);
    WriteLog(ctx_, "Drive " + letter + " has too less space!");
    return false;
  }
  if (!ctx_.platform.files.FolderExists(s.gsInstPath) && !AgreesToNewFolder()) return false;
  WriteLog(ctx_, "Installation directory selected: " + s.gsInstPath);
  return true;
}

bool SelectPathPage::AgreesToNewFolder() {
  const auto& texts = ctx_.state.MessageCatalogue;
  std::string question = texts[35];
  ReplaceAll(question, "%INSTPATH%", (*this)["inpPath"].text);
  return ctx_.platform.window.ShowMessage({kDestinationCreateFolderBox, question, texts[1],
                                           MessageIcon::kInformation, MessageButtons::kYesNo}) ==
         kAnswerYes;
}

void SelectPathPage::Refuse(const char* box, int entry, const std::string& placeholder,
                            const std::string& value) {
  const auto& texts = ctx_.state.MessageCatalogue;
  std::string text = texts[entry];
  ReplaceAll(text, placeholder, value);
  ctx_.platform.window.ShowMessage(
      {box, text, texts[1], MessageIcon::kCritical, MessageButtons::kOk});
}

}  // namespace vlrna
