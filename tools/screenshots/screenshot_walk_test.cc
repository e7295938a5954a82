#include "tools/screenshots/screenshot_walk.h"

#include <gtest/gtest.h>

#include "destination/select_path_page.h"
#include "simconfig/restore_summary.h"
#include "tools/screenshots/screenshot_machine.h"

namespace vlrna {
namespace {

// The walk as the headless window lets a test make it: what it shot is
// recorded with the page it saw.
class HeadlessUser : public WalkUser {
 public:
  explicit HeadlessUser(HeadlessWindow& window) : window_(window) {}

  Page& Visible() override { return *window_.visible_page(); }
  void Click(const std::string& control) override { window_.Click(control); }
  void ChooseOption(const std::string& control) override { window_.ChooseOption(control); }
  void ChooseListItem(const std::string& control, const std::string& item) override {
    window_.ChooseListItem(control, item);
  }
  void Answer(const std::string& box, MessageAnswer answer) override {
    window_.Answer(box, answer);
  }
  void Shoot(const std::string& name) override { shots.push_back(name + " " + Visible().name()); }

  std::vector<std::string> shots;

 private:
  HeadlessWindow& window_;
};

TEST(ScreenshotWalkTest, ReachesEveryPageAndBoxOnTheScreenshotMachine) {
  FakePlatform fake;
  DescribeScreenshotMachine(fake);
  fake.window.set_confirm_ok_boxes(false);  // every box must be one the walk expects
  ProgramState state;
  Context ctx{state, fake.platform};
  Wizard wizard(ctx);
  HeadlessUser user(fake.window);
  ScreenshotWalk walk(ctx, wizard, user);
  walk.Run("Opt_FRA");

  EXPECT_EQ(state.gsLanguage, "F");
  EXPECT_EQ(user.shots, (std::vector<std::string>{
                            "Setup Setup",
                            "Welcome Welcome",
                            "Options Options",
                            "FSSelect FSSelect",
                            "License License",
                            "FS_Path FS_Path",
                            "SelectPath SelectPath",
                            "SelectPath_games SelectPath",
                            "InstallStart InstallStart",
                            "InstallStart_details InstallStart",
                            "Installing_0 InstallStart",
                            "Installing_12 InstallStart",
                            "Installing_50 InstallStart",
                            "Installing_100 InstallStart",
                            "Finished Finished",
                            "Finished_errors Finished",
                        }));
  std::vector<std::string> boxes;
  for (const MessageRequest& box : fake.window.messages()) boxes.push_back(box.id);
  EXPECT_EQ(boxes, (std::vector<std::string>{kOptionsSummaryBox, kDestinationNotFixedBox,
                                             kDestinationNoSpaceBox, kDestinationCreateFolderBox}));
  // The restore meets each kind of simulator the machine has.
  EXPECT_EQ(fake.window.messages()[0].text,
            "Flightsimulator X: T57\r\n"
            "Flightsimulator X (Steam Edition): T59\r\n"
            "Prepar3D v4.x: AutogenDescriptions.spb: T57; AutogenDescriptions_Legacy.spb: T59\r\n");
  // The installation itself went through: the finished page's first one
  // reported success before the walk showed the other.
  EXPECT_EQ(wizard.flow().Get("Finished")["Lab_1"].text, "T37");
  EXPECT_EQ(fake.window.visible_page()->name(), "Finished");
  EXPECT_EQ((*fake.window.visible_page())["Lab_1"].text, "T64");
  EXPECT_EQ(state.gsInstPath, "E:\\Scenery\\vlrna\\");
}

}  // namespace
}  // namespace vlrna
