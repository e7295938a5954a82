#ifndef VLRNA_PLATFORM_QT_PAGE_WINDOW_H_
#define VLRNA_PLATFORM_QT_PAGE_WINDOW_H_

#include <QDialog>
#include <QFont>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/page_model.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/twip_scale.h"

class QButtonGroup;

namespace vlrna {

// The window of one page: a fixed-size dialog whose widgets are made from the
// page's controls and kept in line with them by `Sync`. The user's input goes
// to the page's input methods through `Dispatch`, never straight to the model.
//
// Keyboard: Tab walks the controls in reading order, Enter presses the
// default button (or the focused one), Esc and the window's close button press
// the cancel button, `&` in captions makes Alt mnemonics. Every widget carries
// the control's name as its object name and an accessible name.
class PageWindow : public QDialog {
 public:
  // Runs `input` (one call of the page's input methods) on behalf of the
  // window. The renderer catches what it raises and syncs the windows after.
  using Dispatch = std::function<void(const std::function<void(Page&)>& input)>;
  // Maps a picture's Windows path to a native path.
  using PictureMapper = std::function<QString(const std::string& windows_path)>;

  // `text` converts the model's texts; it must outlive the window.
  PageWindow(Page& page, TwipScale scale, QWidget* owner, Dispatch dispatch,
             PictureMapper map_picture, const QtText& text);

  Page& page() const { return page_; }

  // Brings the window and its widgets in line with the model: caption,
  // position, and every control (made on first sight). Cheap when nothing
  // changed: a control is only touched when its model changed.
  void Sync();

  // The widget made for a control, or null (a label drawn on a progress bar
  // has none: the bar draws it).
  QWidget* WidgetOf(std::string_view control) const;

  // Gives the keyboard focus to where the user starts: the selected option,
  // else the default button.
  void FocusStart();

  // Lets the window close for good (the end of the program).
  void AllowClose() { close_allowed_ = true; }

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  QWidget* Make(const Control& c);
  QWidget* MakeInput(const Control& c);
  QWidget* MakeList(const Control& c);
  void MakeMissing();
  void OrderTabs();
  void Apply(const Control& c);
  void ApplyText(const Control& c, QWidget* widget);
  void ApplyList(const Control& c, QWidget* widget);
  void ApplyOption(const Control& c, QWidget* widget);
  void ApplyOnBar(const Control& label);
  QFont FontOf(const Font& font) const;
  void FitLabel(const Control& c, QWidget* widget);
  QString AccessibleNameOf(const Control& c) const;
  const Control* ProgressBarHolding(const Control& label) const;
  void Input(const std::string& control, std::function<void(Page&)> input);

  Page& page_;
  TwipScale scale_;
  Dispatch dispatch_;
  PictureMapper map_picture_;
  const QtText& text_;
  std::map<std::string, QWidget*, std::less<>> widgets_;
  std::map<std::string, Control, std::less<>> shown_;  // the model as last applied
  std::map<std::string, QButtonGroup*> groups_;        // option groups by container
  int32_t shown_left_ = INT32_MIN;
  int32_t shown_top_ = INT32_MIN;
  bool syncing_ = false;
  bool close_allowed_ = false;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_PAGE_WINDOW_H_
