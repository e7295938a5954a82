#ifndef VLRNA_SHELL_MAIN_WINDOW_H_
#define VLRNA_SHELL_MAIN_WINDOW_H_

#include <string>

#include "platform/page_model.h"
#include "shell/context.h"
#include "shell/page_flow.h"

namespace vlrna {

inline constexpr char kNoUserDirBox[] = "startup-no-user-dir";
inline constexpr char kNoSourcePathBox[] = "startup-no-source-path";

// The main window frmMain: the full-screen background that every page is
// shown over. Its load is the program's start-up.
class MainWindow : public Page {
 public:
  MainWindow(Context& ctx, PageFlow& flow);

  // The start-up: finds the log folder and starts the log, finds the wizard's
  // and the launcher's folders, chooses the background picture, normalises
  // the system language, lists the large fixed drives and the CD-ROM drives,
  // shows itself and then the language page. Ends the program when the
  // profile folder or the launcher cannot be found.
  void Load() override;

 private:
  void StartLog();
  void LogRegistryProblems();
  void FindFolders();
  void PlaceBackground(const ScreenInfo& screen);
  void NormaliseLanguage();
  void ListDrives();

  Context& ctx_;
  PageFlow& flow_;
};

// The background picture for a screen `width` pixels wide ("\vlrna_1920.bmp").
std::string BackgroundPictureFor(double width);

// The language id the wizard works with: German and Italian ids stay as they
// are, every other becomes 0x0009 (English).
int32_t NormaliseLanguageId(int32_t language_id);

}  // namespace vlrna

#endif  // VLRNA_SHELL_MAIN_WINDOW_H_
