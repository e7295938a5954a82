#include "simulators/fs_path_page.h"

#include <algorithm>

#include "shell/error_reports.h"
#include "shell/install_log.h"
#include "shell/shared_helpers.h"

namespace vlrna {

FSPathPage::FSPathPage(Context& ctx, PageFlow& flow)
    : FolderPage("FS_Path", ctx, flow, kFsPathErrorBox) {}

void FSPathPage::Load() {
  const std::string path = ctx_.state.gsFSXPath;
  WriteLog(ctx_, "Select FSX path manually...");
  SetTexts();
  WriteLog(ctx_, "gsFSXPath= " + path);
  const bool none = path.empty();
  RunStepsTrapped(
      {
          [&] { (*this)["inpPath"].text = none ? "C:\\" : path; },
          [&] { SetDrive(none ? "C" : path.substr(0, 1)); },
          [&] { SetFolder(none ? "\\" : path.substr(std::min<size_t>(2, path.size()))); },
      },
      [this](const RuntimeError&) { ShowFallbackFolder(); });
}

void FSPathPage::SetTexts() {
  const auto& texts = ctx_.state.MessageCatalogue;
  caption = texts[1];
  Control& heading = (*this)["Lab_Welcome"];
  Control& frame = (*this)["FrmPath"];
  Control& explanation = (*this)["Lab_1"];
  heading.text = texts[43];
  frame.text = texts[44];
  explanation.text = texts[45];
  if (heading.text.empty() && frame.text.empty() && explanation.text.empty()) {
    const bool german = ctx_.state.gsLanguage == "D";
    heading.text = german ? "Flightsimulator-Pfad w\xE4hlen" : "Enter Flightsimulator Path";
    frame.text = german ? "Verzeichnis w\xE4hlen:" : "Select Path:";
    explanation.text = german ? "Geben Sie bitte den Pfad Ihrer Flightsimulator X-Installation an."
                              : "Please select the path of your Flightsimulator X installation.";
  }
  SetButtonCaptions();
  (*this)["Cmd_Next"].enabled = false;
}

// The root of drive C, for a simulator folder the lists cannot show. Should
// even that fail, the lists stay empty and the user chooses.
void FSPathPage::ShowFallbackFolder() {
  (*this)["inpPath"].text = "C:\\";
  try {
    SetDrive("C");
    SetFolder("\\");
  } catch (const RuntimeError&) {
  }
}

void FSPathPage::FolderShown(const std::string& folder) {
  (*this)["inpPath"].text = folder;
  CheckPath(folder);
}

bool FSPathPage::CheckPath(const std::string& path) {
  Files& files = ctx_.platform.files;
  const std::string folder = AddTrailingBackslash(path);
  const bool has_library = files.NormalFileExists(folder + "Scenery.cfg");
  const bool has_program = files.NormalFileExists(folder + ctx_.state.gsSimExe);
  const bool accepted = has_library && has_program;
  (*this)["Cmd_Next"].enabled = accepted;
  return accepted;
}

bool FSPathPage::OnButton(const std::string& control) {
  if (control == "Cmd_Next") return TakeFolder();
  return FolderPage::OnButton(control);
}

// Later steps append file names to gsFSXPath directly, so a typed folder
// gets its one trailing backslash here.
bool FSPathPage::TakeFolder() {
  ProgramState& s = ctx_.state;
  s.gsFSXPath = AddTrailingBackslash((*this)["inpPath"].text);
  if (s.gsSceneryCfg.empty()) s.gsSceneryCfg = s.gsFSXPath + "Scenery.cfg";
  WriteLog(ctx_, "FSX path selected: " + s.gsFSXPath);
  // The licence page takes the welcome page's place, where this page began.
  const Page& place = flow_.Created("Welcome") ? flow_.Get("Welcome") : *this;
  flow_.TransitionAt(*this, "License", place);
  return false;
}

}  // namespace vlrna
