#include "tools/screenshots/screenshot_walk.h"

#include <stdexcept>

#include "destination/select_path_page.h"
#include "pages/finished_page.h"
#include "simconfig/restore_summary.h"
#include "tools/screenshots/screenshot_machine.h"

namespace vlrna {
namespace {

// The archive whose progress is shot: far enough for the overall line to
// have a speed and a time left.
constexpr size_t kShotArchive = 4;

}  // namespace

ScreenshotWalk::ScreenshotWalk(Context& ctx, Wizard& wizard, WalkUser& user)
    : ctx_(ctx), wizard_(wizard), user_(user) {}

void ScreenshotWalk::Run(const std::string& language) {
  wizard_.set_install_progress_observer(
      [this](const InstallProgressEvent& event) { ShootProgress(event); });
  wizard_.Start();
  user_.ChooseOption(language);
  user_.Shoot("Setup");
  Next("Welcome");
  Options();
  Next("FSSelect");
  Next("License");
  ManualPath();
  Next("SelectPath");
  Destination();
  Install();
  FinishedWithErrors();
}

// Presses Next and shoots the page it leads to.
void ScreenshotWalk::Next(const std::string& expected) {
  user_.Click("Cmd_Next");
  const std::string now = user_.Visible().name();
  if (now != expected) throw std::runtime_error("Next led to " + now + ", not " + expected);
  user_.Shoot(expected);
}

void ScreenshotWalk::Options() {
  user_.Click("Cmd_Options");
  if (user_.Visible().name() != "Options") throw std::runtime_error("no options page");
  user_.Shoot("Options");
  user_.Answer(kOptionsSummaryBox, kAnswerOk);
  user_.Click("cmd_autogen");
  user_.Click("Cmd_Prev");
}

// The manual path page, which the wizard's own walk never shows: from the
// licence page through the page flow, and back there with its Next.
void ScreenshotWalk::ManualPath() {
  wizard_.flow().Transition(user_.Visible(), "FS_Path");
  user_.Shoot("FS_Path");
  user_.Click("Cmd_Next");
  if (user_.Visible().name() != "License") throw std::runtime_error("FS_Path kept the user");
}

void ScreenshotWalk::Destination() {
  user_.Answer(kDestinationNotFixedBox, kAnswerOk);
  user_.ChooseListItem("cmbDrive", kMediumDrive);
  user_.Click("Cmd_Next");
  user_.Answer(kDestinationNoSpaceBox, kAnswerOk);
  user_.ChooseListItem("cmbDrive", kSmallDrive);
  user_.Click("Cmd_Next");
  user_.ChooseListItem("cmbDrive", kGamesDrive);
  user_.ChooseListItem("cmbPath", kNewDestinationParent);
  user_.Shoot("SelectPath_games");
  user_.Answer(kDestinationCreateFolderBox, kAnswerYes);
  Next("InstallStart");
}

void ScreenshotWalk::Install() {
  user_.Click("Cmd_Details");
  user_.Shoot("InstallStart_details");
  user_.Click("Cmd_Next");
  if (user_.Visible().name() != "Finished") throw std::runtime_error("no finished page");
  if (progress_shot_.size() != 4) throw std::runtime_error("the progress was not shot");
  user_.Shoot("Finished");
}

void ScreenshotWalk::ShootProgress(const InstallProgressEvent& event) {
  if (event.step != kShotArchive) return;
  const int percent = event.archive_percent;
  if ((percent != 0 && percent != 12 && percent != 50 && percent != 100) ||
      !progress_shot_.insert(percent).second) {
    return;
  }
  user_.Shoot("Installing_" + std::to_string(percent));
}

// The finished page as it reads after an installation whose configuration
// edits did not all succeed: a page of its own, loaded as the wizard loads it.
void ScreenshotWalk::FinishedWithErrors() {
  Page& finished = user_.Visible();
  ctx_.state.gbEditFailed = true;
  auto page = std::make_unique<FinishedPage>(ctx_, wizard_.flow());
  page->Load();
  page->left = finished.left;
  page->top = finished.top;
  ctx_.platform.window.HidePage(finished);
  ctx_.platform.window.ShowPage(*page);
  failed_finish_ = std::move(page);
  user_.Shoot("Finished_errors");
}

}  // namespace vlrna
