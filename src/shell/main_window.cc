#include "shell/main_window.h"

#include <cmath>
#include <cstdio>

#include "shell/ansi_text.h"
#include "shell/install_log.h"
#include "shell/page_layout.h"
#include "shell/program_end.h"
#include "shell/registry_access.h"
#include "shell/shared_helpers.h"

namespace vlrna {
namespace {

constexpr double kRequiredFreeBytes = 14e9;
constexpr int32_t kSlideWidth = 5430;  // imgSlide: where the pages are placed
constexpr int32_t kSlideHeight = 3510;

void AbortStartup(Context& ctx, const char* box, const std::string& text) {
  ctx.platform.window.ShowMessage({box, text + "\r\nInstallation will abort!", "Installation Error",
                                   MessageIcon::kCritical, MessageButtons::kOk});
  FatalError(ctx, "");
}

}  // namespace

std::string BackgroundPictureFor(double width) {
  if (width > 1680) return "\\vlrna_1920.bmp";
  if (width > 1280) return "\\vlrna_1680.bmp";
  if (width > 1024) return "\\vlrna_1280.bmp";
  return "\\vlrna_1024.bmp";
}

int32_t NormaliseLanguageId(int32_t language_id) {
  int32_t primary = language_id & 0x3FF;
  return (primary == 0x07 || primary == 0x10) ? language_id : 0x0009;
}

MainWindow::MainWindow(Context& ctx, PageFlow& flow)
    : Page("frmMain", 0, 0), ctx_(ctx), flow_(flow) {
  AddControl(*this, "picBackground", ControlKind::kPicture, {});
  AddControl(*this, "imgSlide", ControlKind::kPicture, {0, 0, kSlideWidth, kSlideHeight}).visible =
      false;
  AddControl(*this, "Lst_Drive", ControlKind::kDriveList, {}).visible = false;
}

void MainWindow::Load() {
  StartLog();
  LogRegistryProblems();
  FindFolders();
  ScreenInfo screen = ctx_.platform.window.Screen();
  double width = static_cast<double>(screen.width_twips) / screen.twips_per_pixel_x;
  WriteLog(ctx_, "Screen Width = " + ShortestDecimal(width));
  caption = std::string(kAppTitle) + " Installation";
  PlaceBackground(screen);
  NormaliseLanguage();
  ListDrives();
  ctx_.platform.window.ShowMainWindow(*this);
  const Rect& slide = (*this)["imgSlide"].rect;
  flow_.ShowFirst("Setup", slide.left, slide.top);
}

void MainWindow::StartLog() {
  ProgramState& s = ctx_.state;
  s.gsUserDir = ctx_.platform.system.WindowsFolder().substr(0, 2);
  if (GetRegistry(ctx_, 1, "Volatile Environment", "USERPROFILE", s.gsUserDir) != 0) {
    AbortStartup(ctx_, kNoUserDirBox, "ERROR: User Directory not found in registry!");
  }
  MakeLogFileName(ctx_);
  const std::string rule(68, '-');
  ProgramVersion v = ctx_.platform.system.Version();
  WriteLog(ctx_, rule);
  WriteLog(ctx_, std::string(kAppTitle) + " " + std::to_string(v.major) + "." +
                     std::to_string(v.minor) + "." + std::to_string(v.revision));
  WriteLog(ctx_, rule);
}

// A damaged registry file reads as if the lost lines were missing, which can
// make a simulator "not found": the log says why.
void MainWindow::LogRegistryProblems() {
  for (const RegistryLoadProblem& p : ctx_.platform.registry.LoadProblems()) {
    if (p.skipped_lines == 0) {
      WriteLog(ctx_, "Registry file '" + p.store + "' not read: " + p.first);
    } else {
      WriteLog(ctx_, "Registry file '" + p.store + "' damaged: " + std::to_string(p.skipped_lines) +
                         " lines skipped, the first at " + p.first);
    }
  }
}

void MainWindow::FindFolders() {
  ProgramState& s = ctx_.state;
  s.gsAppPath = ctx_.platform.system.ProgramFolder();
  WriteLog(ctx_, "Applicationpath = " + s.gsAppPath);
  s.gsSourcePath = FindProcessFolder(ctx_, "VLRSetup.exe");
  if (s.gsSourcePath.empty()) AbortStartup(ctx_, kNoSourcePathBox, "ERROR: Source Path not found!");
  WriteLog(ctx_, "Installing from " + s.gsSourcePath);
}

void MainWindow::PlaceBackground(const ScreenInfo& screen) {
  Control& background = (*this)["picBackground"];
  background.rect = {0, 0, screen.width_twips, screen.height_twips};
  double width = static_cast<double>(screen.width_twips) / screen.twips_per_pixel_x;
  background.picture = ctx_.state.gsAppPath + BackgroundPictureFor(width);
  Control& slide = (*this)["imgSlide"];
  slide.rect.left = static_cast<int32_t>((screen.width_twips - slide.rect.width) / 2.0);
  slide.rect.top = static_cast<int32_t>((screen.height_twips - slide.rect.height) / 2.0);
}

void MainWindow::NormaliseLanguage() {
  int32_t id = NormaliseLanguageId(ctx_.platform.system.SystemDefaultLangId());
  ctx_.state.gnSystemLanguage = id;
  char hex[16];
  std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(id));
  std::string digits = hex;
  WriteLog(ctx_, "SystemlanguageID = 0x" + digits.substr(digits.size() - 4));
}

void MainWindow::ListDrives() {
  ProgramState& s = ctx_.state;
  Control& list = (*this)["Lst_Drive"];
  list.items = ctx_.platform.drives.List();
  size_t fixed = 0;
  size_t cd = 0;
  for (const std::string& entry : list.items) {
    std::string root = entry.substr(0, 2) + "\\";
    DriveType type = ctx_.platform.drives.TypeOf(root);
    if (type == kDriveFixed) {
      double free_bytes = FreeDiskBytes(ctx_, root);
      if (free_bytes > kRequiredFreeBytes && fixed + 1 < s.gsFixedDrives.size()) {
        long long megabytes = std::llround(free_bytes / 1024 / 1024);
        s.gsFixedDrives[++fixed] =
            AnsiUpper(entry) + " - [" + std::to_string(megabytes) + " MB free]";
      }
    } else if (type == kDriveCdRom && cd + 1 < s.gsCdDrives.size()) {
      s.gsCdDrives[++cd] = AnsiUpper(entry);
    }
  }
  s.gsFixedDrives[0] = std::to_string(fixed);
  s.gsCdDrives[0] = std::to_string(cd);
}

}  // namespace vlrna
