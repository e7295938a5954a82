#ifndef VLRNA_SHELL_PAGE_FLOW_H_
#define VLRNA_SHELL_PAGE_FLOW_H_

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/page_model.h"
#include "shell/context.h"

namespace vlrna {

class PageFlow;
inline constexpr char kPageNotBuiltBox[] = "page-not-built";

// A page of the wizard: a page model whose buttons do the page's own work and
// then move along the wizard's table of transitions.
class WizardPage : public Page {
 public:
  WizardPage(std::string name, int32_t client_width, Context& ctx, PageFlow& flow);

 protected:
  // The page's own work for a button. Returns true when the wizard goes on
  // along its table. By default Cmd_Quit asks to cancel and ends the program
  // on yes; every other button just goes on.
  virtual bool OnButton(const std::string& control);

  void OnClick(const std::string& control) final;

  // Back, Next and Cancel get catalogue entries 4, 3 and 5, as on every page.
  void SetButtonCaptions();

  Context& ctx_;
  PageFlow& flow_;
};

// The pages of one run and the moves between them. A page is created and
// loaded the first time it is asked for, and afterwards only hidden and shown,
// so it keeps its state between visits. One page is visible at a time, and
// every move hands the left page's position to the next.
class PageFlow {
 public:
  using Factory = std::function<std::unique_ptr<WizardPage>(Context&, PageFlow&)>;

  explicit PageFlow(Context& ctx) : ctx_(ctx) {}

  void Register(const std::string& name, Factory factory);
  bool Knows(const std::string& name) const { return factories_.count(name) > 0; }
  bool Created(const std::string& name) const { return pages_.count(name) > 0; }

  // The page of that name, created and loaded on first use.
  WizardPage& Get(const std::string& name);

  // The page that `control` of `page` leads to, or empty.
  static std::string Target(const std::string& page, const std::string& control);

  // Hides `from`, places page `to` at the position of `position_of` (by
  // default `from`) and shows it. A page this build does not have is not
  // pretended: the user is told and stays where he is.
  void Transition(Page& from, const std::string& to);
  void TransitionAt(Page& from, const std::string& to, const Page& position_of);

  // Places the first page at (left, top) and shows it.
  void ShowFirst(const std::string& name, int32_t left, int32_t top);

 private:
  Context& ctx_;
  std::map<std::string, Factory> factories_;
  std::map<std::string, std::unique_ptr<WizardPage>> pages_;
};

}  // namespace vlrna

#endif  // VLRNA_SHELL_PAGE_FLOW_H_
