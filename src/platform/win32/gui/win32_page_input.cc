// The page window's procedure: the user's input becomes calls of the page's
// input methods, and the owner-drawn controls are drawn from the model.

#include <utility>

#include "platform/layout_rules.h"
#include "platform/win32/gui/win32_control_windows.h"
#include "platform/win32/gui/win32_folder_rows.h"
#include "platform/win32/gui/win32_owner_draw.h"
#include "platform/win32/gui/win32_page_window.h"

namespace vlrna {

INT_PTR CALLBACK Win32PageWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32PageWindow*>(lparam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, lparam);
    return FALSE;  // the focus is set when the page is first shown
  }
  auto* self = reinterpret_cast<Win32PageWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  // Nothing may leave a window procedure: what a handler lets pass is kept
  // and raised again where the core waits.
  try {
    return self->Handle(message, wparam, lparam);
  } catch (...) {
    self->services_.keep_error(std::current_exception());
    return FALSE;
  }
}

INT_PTR Win32PageWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)) ? TRUE : FALSE;
    case WM_CTLCOLORSTATIC:
      return OnColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_MOVE:
      OnMoved();
      return FALSE;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wparam), HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return TRUE;
    case WM_CLOSE:
      // Closing a page is cancelling the installation: the page asks first.
      PressCancel();
      return TRUE;
    default:
      return FALSE;
  }
}

void Win32PageWindow::OnCommand(int id, int code) {
  if (id == IDCANCEL) {  // Esc
    PressCancel();
    return;
  }
  auto name = names_.find(id);
  if (name == names_.end() || !page_.Has(name->second)) return;
  const Control& c = page_[name->second];
  const Control shown = AsShown(page_, c);
  if (!shown.enabled || !shown.visible) {
    // What the user cannot reach takes no input, whoever sent it.
    shown_.erase(c.name);
    Sync();
    return;
  }
  OnControlInput(c, code, ControlWindow(name->second));
}

void Win32PageWindow::OnControlInput(const Control& c, int code, HWND window) {
  const std::string name = c.name;
  switch (c.kind) {
    case ControlKind::kButton:
      if (code == BN_CLICKED) Input(name, [name](Page& p) { p.Click(name); });
      break;
    case ControlKind::kOption:
      if (code != BN_CLICKED || SendMessageA(window, BM_GETCHECK, 0, 0) != BST_CHECKED) break;
      // The button unchecked its neighbours itself: they are shown again from
      // the model whatever the handler does.
      for (const Control& other : page_.controls()) {
        if (other.kind == ControlKind::kOption) shown_.erase(other.name);
      }
      Input(name, [name](Page& p) { p.ChooseOption(name); });
      break;
    case ControlKind::kTextBox:
    case ControlKind::kMultiLineText:
      if (code == EN_CHANGE) {
        Input(name, [name, text = WindowText(window)](Page& p) { p.EditText(name, text); });
      }
      break;
    case ControlKind::kDriveList:
      OnDriveListInput(c, code, window);
      break;
    case ControlKind::kFolderList:
      if (code == LBN_DBLCLK) {
        const int index = static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
        if (index >= 0) Input(name, [name, index](Page& p) { p.ChooseListItem(name, index); });
      }
      break;
    default:
      break;
  }
}

// A drive is chosen when the list shows another one than the model: at once
// when the closed list moves, and only when it closes while it is open, so
// that walking the open list with the arrow keys tries no drive.
void Win32PageWindow::OnDriveListInput(const Control& c, int code, HWND window) {
  const bool moved_closed =
      code == CBN_SELCHANGE && SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0) == FALSE;
  if (!moved_closed && code != CBN_CLOSEUP) return;
  const int index = static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
  if (index < 0 || index == ChosenRow(c)) return;
  const std::string name = c.name;
  Input(name, [name, index](Page& p) { p.ChooseListItem(name, index); });
}

void Win32PageWindow::Input(const std::string& control, std::function<void(Page&)> input) {
  if (syncing_) return;
  // The window now shows the user's choice, which the handler may refuse
  // without changing the model: the control is applied again in any case.
  shown_.erase(control);
  services_.dispatch(input);
}

void Win32PageWindow::PressCancel() {
  for (const Control& c : page_.controls()) {
    if (c.is_cancel && c.kind == ControlKind::kButton && AsShown(page_, c).enabled &&
        AsShown(page_, c).visible) {
      const std::string name = c.name;
      Input(name, [name](Page& p) { p.Click(name); });
      return;
    }
  }
}

bool Win32PageWindow::OpenFolderOnEnter(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
  const Control* c = ShownByWindow(message.hwnd);
  if (c == nullptr || c->kind != ControlKind::kFolderList) return false;
  const int index = static_cast<int>(SendMessageA(message.hwnd, LB_GETCURSEL, 0, 0));
  const std::string name = c->name;
  if (index >= 0) Input(name, [name, index](Page& p) { p.ChooseListItem(name, index); });
  return true;
}

const Control* Win32PageWindow::ShownByWindow(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& [name, child] : windows_) {
    if (child != window) continue;
    auto shown = shown_.find(name);
    return shown == shown_.end() ? nullptr : &shown->second;
  }
  return nullptr;
}

const Control* Win32PageWindow::CaptionOf(const std::string& bar) const {
  for (const auto& [name, c] : shown_) {
    if (c.kind == ControlKind::kLabel && c.container == bar) return &c;
  }
  return nullptr;
}

bool Win32PageWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const Control* c = ShownByWindow(item.hwndItem);
  if (c == nullptr) return false;
  if (c->kind == ControlKind::kFolderList) {
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= c->items.size()) return true;
    const std::vector<FolderRow> rows = FolderRows(c->items, c->text);
    DrawFolderRow(item, rows[item.itemID], fonts_.Get(c->font, scale_.dpi_y()));
  } else if (c->kind == ControlKind::kProgressBar) {
    const Control* caption = CaptionOf(c->name);
    const bool shown = caption != nullptr && caption->visible;
    DrawProgressBar(item.hDC, item.rcItem, c->progress_x, c->rect.width,
                    shown ? caption->text : std::string(),
                    fonts_.Get(caption != nullptr ? caption->font : c->font, scale_.dpi_y()));
  } else if (c->kind == ControlKind::kPicture) {
    HBITMAP picture = bitmaps_.Get(c->picture);
    if (picture == nullptr) {
      DrawSkyPanel(item.hDC, item.rcItem);
    } else {
      DrawBitmap(item.hDC, picture, item.rcItem, true);
    }
  }
  return true;
}

// Read-only text stays on the window's colour, as text to read.
INT_PTR Win32PageWindow::OnColour(HDC dc, HWND window) {
  const Control* c = ShownByWindow(window);
  const bool text =
      c != nullptr && (c->kind == ControlKind::kTextBox || c->kind == ControlKind::kMultiLineText);
  if (!text || !IsWindowEnabled(window)) return FALSE;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

// Moved to a screen of another resolution: the page is laid out again for
// it, where the system suggests.
void Win32PageWindow::OnDpiChanged(int dpi_x, int dpi_y, const RECT& suggested) {
  scale_ = PixelScale(dpi_x, dpi_y);
  page_.left = scale_.ToTwipsX(suggested.left);
  page_.top = scale_.ToTwipsY(suggested.top);
  shown_left_ = shown_top_ = INT32_MIN;
  shown_.clear();
  Sync();
}

void Win32PageWindow::OnMoved() {
  if (syncing_ || hwnd_ == nullptr || !IsWindowVisible(hwnd_)) return;
  RECT at{};
  GetWindowRect(hwnd_, &at);
  if (at.left == scale_.ToPixelsX(page_.left) && at.top == scale_.ToPixelsY(page_.top)) return;
  // The user moved the page: the next page is shown where this one is now.
  page_.left = shown_left_ = scale_.ToTwipsX(at.left);
  page_.top = shown_top_ = scale_.ToTwipsY(at.top);
}

}  // namespace vlrna
