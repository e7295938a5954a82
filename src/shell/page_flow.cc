#include "shell/page_flow.h"

#include <array>
#include <stdexcept>

#include "shell/page_layout.h"
#include "shell/program_end.h"

namespace vlrna {
namespace {

struct Move {
  const char* page;
  const char* control;
  const char* target;
};

// The wizard's order: Setup, Welcome, FSSelect, License, SelectPath,
// InstallStart, Finished; Options hangs off Welcome, FS_Path stands apart.
constexpr std::array<Move, 15> kMoves = {{
    {"Setup", "Cmd_Next", "Welcome"},
    {"Welcome", "Cmd_Next", "FSSelect"},
    {"Welcome", "Cmd_Prev", "Setup"},
    {"Welcome", "Cmd_Options", "Options"},
    {"Options", "Cmd_Prev", "Welcome"},
    {"FSSelect", "Cmd_Next", "License"},
    {"FSSelect", "Cmd_Prev", "Welcome"},
    {"License", "Cmd_Next", "SelectPath"},
    {"License", "Cmd_Prev", "FSSelect"},
    {"SelectPath", "Cmd_Next", "InstallStart"},
    {"SelectPath", "Cmd_Prev", "License"},
    {"InstallStart", "Cmd_Next", "Finished"},
    {"InstallStart", "Cmd_Prev", "SelectPath"},
    {"FS_Path", "Cmd_Next", "License"},
    {"FS_Path", "Cmd_Prev", "Welcome"},
}};

}  // namespace

WizardPage::WizardPage(std::string name, int32_t client_width, Context& ctx, PageFlow& flow)
    : Page(std::move(name), client_width, kPageHeight), ctx_(ctx), flow_(flow) {}

bool WizardPage::OnButton(const std::string& control) {
  if (control == "Cmd_Quit") {
    if (ConfirmQuit(ctx_)) FatalError(ctx_, "");
    return false;
  }
  return true;
}

void WizardPage::OnClick(const std::string& control) {
  if (!OnButton(control)) return;
  std::string target = PageFlow::Target(name(), control);
  if (!target.empty()) flow_.Transition(*this, target);
}

void WizardPage::SetButtonCaptions() {
  const auto& texts = ctx_.state.MessageCatalogue;
  (*this)["Cmd_Prev"].text = texts[4];
  (*this)["Cmd_Next"].text = texts[3];
  (*this)["Cmd_Quit"].text = texts[5];
}

void PageFlow::Register(const std::string& name, Factory factory) {
  factories_[name] = std::move(factory);
}

WizardPage& PageFlow::Get(const std::string& name) {
  auto it = pages_.find(name);
  if (it != pages_.end()) return *it->second;
  auto factory = factories_.find(name);
  if (factory == factories_.end()) throw std::out_of_range("no page " + name);
  WizardPage& page = *(pages_[name] = factory->second(ctx_, *this));
  page.Load();
  return page;
}

std::string PageFlow::Target(const std::string& page, const std::string& control) {
  for (const Move& move : kMoves) {
    if (page == move.page && control == move.control) return move.target;
  }
  return "";
}

void PageFlow::Transition(Page& from, const std::string& to) { TransitionAt(from, to, from); }

void PageFlow::TransitionAt(Page& from, const std::string& to, const Page& position_of) {
  if (!Knows(to)) {
    ctx_.platform.window.ShowMessage({kPageNotBuiltBox,
                                      "The page \"" + to + "\" is not part of this build yet.",
                                      kAppTitle, MessageIcon::kInformation, MessageButtons::kOk});
    return;
  }
  const int32_t left = position_of.left;
  const int32_t top = position_of.top;
  ctx_.platform.window.HidePage(from);
  WizardPage& target = Get(to);
  target.left = left;
  target.top = top;
  ctx_.platform.window.ShowPage(target);
}

void PageFlow::ShowFirst(const std::string& name, int32_t left, int32_t top) {
  WizardPage& page = Get(name);
  page.left = left;
  page.top = top;
  ctx_.platform.window.ShowPage(page);
}

}  // namespace vlrna
