#ifndef VLRNA_TOOLS_SCREENSHOTS_SCREENSHOT_WALK_H_
#define VLRNA_TOOLS_SCREENSHOTS_SCREENSHOT_WALK_H_

#include <memory>
#include <set>
#include <string>

#include "pages/wizard.h"
#include "platform/window.h"

namespace vlrna {

// Who walks the wizard for the screenshots: acts on the visible page as the
// user does, answers the boxes it is told of, and takes the pictures.
class WalkUser {
 public:
  virtual ~WalkUser() = default;

  virtual Page& Visible() = 0;
  virtual void Click(const std::string& control) = 0;
  virtual void ChooseOption(const std::string& control) = 0;
  // Chooses the list entry that reads `item`.
  virtual void ChooseListItem(const std::string& control, const std::string& item) = 0;
  // The next box with this id is to get `answer`.
  virtual void Answer(const std::string& box, MessageAnswer answer) = 0;
  // Takes a picture of the visible page as it is now, named `name`.
  virtual void Shoot(const std::string& name) = 0;
};

// Walks the wizard of one run over the screenshot machine through every page
// and the boxes worth seeing, shooting each: the language page, the welcome
// page, the options page and its restore's summary, the simulator page, the
// licence page, the manual simulator path page (shown through the page flow
// and left with its Next), the destination page with a refused CD-ROM drive,
// a refused small disk and a new folder on the games drive, the installation
// page before and while it runs (at 0, 12, 50 and 100 % of the fourth
// archive), and the finished page, also as after a failed configuration edit.
// Raises std::runtime_error when a step does not lead where it should.
class ScreenshotWalk {
 public:
  ScreenshotWalk(Context& ctx, Wizard& wizard, WalkUser& user);

  // `language` is the language page's option ("Opt_GER").
  void Run(const std::string& language);

 private:
  void Next(const std::string& expected);
  void Options();
  void ManualPath();
  void Destination();
  void Install();
  void FinishedWithErrors();
  void ShootProgress(const InstallProgressEvent& event);

  Context& ctx_;
  Wizard& wizard_;
  WalkUser& user_;
  std::set<int> progress_shot_;
  // Shown besides the wizard's own pages; must live as long as the windows.
  std::unique_ptr<Page> failed_finish_;
};

}  // namespace vlrna

#endif  // VLRNA_TOOLS_SCREENSHOTS_SCREENSHOT_WALK_H_
