#ifndef VLRNA_PLATFORM_QT_QT_TEST_SUPPORT_H_
#define VLRNA_PLATFORM_QT_QT_TEST_SUPPORT_H_

// Pages and helpers for the Qt renderer's tests.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "platform/page_model.h"

namespace vlrna::qt_test {

// A page whose handlers record what reached them and run the test's hooks.
class TestPage : public Page {
 public:
  using Hook = std::function<void(TestPage&, const std::string&)>;
  TestPage(std::string name, int32_t width, int32_t height)
      : Page(std::move(name), width, height) {}

  std::vector<std::string> clicks;
  std::vector<std::string> changes;
  Hook on_click;
  Hook on_change;

 protected:
  void OnClick(const std::string& control) override {
    clicks.push_back(control);
    if (on_click) on_click(*this, control);
  }
  void OnChange(const std::string& control) override {
    changes.push_back(control);
    if (on_change) on_change(*this, control);
  }
};

inline Control Make(std::string name, ControlKind kind, std::string text, Rect rect,
                    std::string container = "") {
  Control c;
  c.name = std::move(name);
  c.kind = kind;
  c.text = std::move(text);
  c.rect = rect;
  c.container = std::move(container);
  return c;
}

// The language page as its design gives it, at 6885,4635 twips.
inline void AddLanguageControls(Page& page) {
  page.caption = "Veltrona Zozo Installation";
  page.left = 6885;
  page.top = 4635;
  // The buttons come first, as the pages add them.
  Control back = Make("Cmd_Prev", ControlKind::kButton,
                      "< &Zur\xFC"
                      "ck",
                      {2760, 4680, 1335, 375});
  back.enabled = false;
  page.Add(back);
  Control next = Make("Cmd_Next", ControlKind::kButton, "&Weiter >", {4155, 4680, 1335, 375});
  next.is_default = true;
  page.Add(next);
  Control quit = Make("Cmd_Quit", ControlKind::kButton, "&Abbrechen", {5790, 4680, 1335, 375});
  quit.is_cancel = true;
  page.Add(quit);
  Control heading =
      Make("Lab_Welcome", ControlKind::kLabel, "Select Language", {1800, 240, 5300, 480});
  heading.font = {"Times New Roman", 18, true};
  page.Add(heading);
  page.Add(Make("Lab_1", ControlKind::kLabel,
                "Please select the language that you would like to use during the installation.",
                {1800, 840, 5300, 480}));
  page.Add(Make("Frm_1", ControlKind::kFrame, "", {1800, 1500, 3000, 1800}));
  const char* options[][2] = {{"Opt_ENG", "English"},
                              {"Opt_GER", "Deutsch"},
                              {"Opt_ITA", "Italiano"},
                              {"Opt_FRA",
                               "Fran\xE7"
                               "ais"}};
  int32_t top = 1740;
  for (const auto& [name, text] : options) {
    page.Add(Make(name, ControlKind::kOption, text, {1950, top, 2500, 300}, "Frm_1"));
    top += 360;
  }
  page["Opt_ENG"].value = true;
}

// Presses `button` of the next message box as soon as it is shown, and
// records its title and text.
inline void AnswerNextBox(QMessageBox::StandardButton button, QString* title = nullptr,
                          QString* text = nullptr, int attempts = 200) {
  QTimer::singleShot(5, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      if (attempts > 0) AnswerNextBox(button, title, text, attempts - 1);
      return;
    }
    if (title != nullptr) *title = box->windowTitle();
    if (text != nullptr) *text = box->text();
    box->button(button)->click();
  });
}

}  // namespace vlrna::qt_test

#endif  // VLRNA_PLATFORM_QT_QT_TEST_SUPPORT_H_
