#include "platform/win32/gui/win32_page_window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/layout_rules.h"
#include "platform/win32/gui/win32_control_windows.h"
#include "platform/win32/gui/win32_dpi.h"

namespace vlrna {
namespace {

constexpr int kFirstControlId = 100;
constexpr int kDropDownRows = 10;

// A dialog without items: the controls are made from the model afterwards.
struct alignas(4) EmptyDialog {
  DLGTEMPLATE header;
  WORD menu;
  WORD window_class;
  WORD title;
};

bool SameRect(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

bool SameControl(const Control& a, const Control& b) {
  return a.text == b.text && a.enabled == b.enabled && a.visible == b.visible &&
         a.value == b.value && a.read_only == b.read_only && a.container == b.container &&
         SameRect(a.rect, b.rect) && a.font.face == b.font.face && a.font.points == b.font.points &&
         a.font.bold == b.font.bold && a.is_default == b.is_default && a.is_cancel == b.is_cancel &&
         a.items == b.items && a.list_index == b.list_index && a.picture == b.picture &&
         a.progress_x == b.progress_x;
}

// Marks a window as being synced for the lifetime of the scope: the
// notifications its own changes cause are not the user's input.
class SyncScope {
 public:
  explicit SyncScope(bool& syncing) : syncing_(syncing), was_(syncing) { syncing = true; }
  ~SyncScope() { syncing_ = was_; }
  SyncScope(const SyncScope&) = delete;
  SyncScope& operator=(const SyncScope&) = delete;

 private:
  bool& syncing_;
  bool was_;
};

}  // namespace

Win32PageWindow::Win32PageWindow(Page& page, HWND owner, PixelScale scale, FontCache& fonts,
                                 BitmapCache& bitmaps, PageWindowServices services)
    : page_(page), scale_(scale), fonts_(fonts), bitmaps_(bitmaps), services_(std::move(services)) {
  EmptyDialog dialog{};
  dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;
  CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialog.header, owner, &Procedure,
                             reinterpret_cast<LPARAM>(this));
  if (hwnd_ != nullptr) LeaveDialogScalingToUs(hwnd_);
  Sync();
}

Win32PageWindow::~Win32PageWindow() { Close(); }

void Win32PageWindow::Close() {
  if (hwnd_ == nullptr) return;
  HWND hwnd = std::exchange(hwnd_, nullptr);
  SetWindowLongPtrA(hwnd, DWLP_USER, 0);
  DestroyWindow(hwnd);
  windows_.clear();
  names_.clear();
  shown_.clear();
}

void Win32PageWindow::Sync() {
  if (hwnd_ == nullptr) return;
  SyncScope scope(syncing_);
  SetTextIfChanged(hwnd_, page_.caption);
  Place();
  MakeMissing();
  for (const Control& model : page_.controls()) {
    const Control c = AsShown(page_, model);
    auto shown = shown_.find(c.name);
    if (shown != shown_.end() && SameControl(shown->second, c)) continue;
    shown_.insert_or_assign(c.name, c);  // what the owner-drawn controls draw
    Apply(c);
  }
}

void Win32PageWindow::Show() {
  if (hwnd_ == nullptr) return;
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  SetActiveWindow(hwnd_);
}

void Win32PageWindow::Hide() {
  if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
}

// The page keeps its client size; its frame goes around it.
void Win32PageWindow::Place() {
  if (page_.left == shown_left_ && page_.top == shown_top_) return;
  shown_left_ = page_.left;
  shown_top_ = page_.top;
  RECT frame{0, 0, scale_.ToPixelsX(page_.client_width()), scale_.ToPixelsY(page_.client_height())};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, scale_.ToPixelsX(page_.left), scale_.ToPixelsY(page_.top),
               frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32PageWindow::MakeMissing() {
  bool made = false;
  for (const Control& c : page_.controls()) {
    if (windows_.count(c.name) != 0 || ProgressBarHolding(c) != nullptr) continue;
    const int id = kFirstControlId + static_cast<int>(names_.size());
    HWND window = MakeControlWindow(hwnd_, c, id);
    if (window == nullptr) continue;
    windows_.emplace(c.name, window);
    names_.emplace(id, c.name);
    made = true;
  }
  if (made) OrderWindows();
}

// The dialog manager walks the windows in their order: backdrops first, so
// they are drawn under what they hold, then the controls that take the focus
// in the core's reading order, then the rest. Each run of options of one
// container is a group the arrow keys move in.
void Win32PageWindow::OrderWindows() {
  std::vector<const Control*> order;
  for (const Control& c : page_.controls()) {
    if (IsBackdrop(c.kind)) order.push_back(&c);
  }
  const std::vector<const Control*> tabs = TabOrder(page_);
  order.insert(order.end(), tabs.begin(), tabs.end());
  for (const Control& c : page_.controls()) {
    if (!IsBackdrop(c.kind) && std::find(tabs.begin(), tabs.end(), &c) == tabs.end()) {
      order.push_back(&c);
    }
  }
  HWND after = HWND_TOP;
  const Control* previous = nullptr;
  for (const Control* c : order) {
    HWND window = ControlWindow(c->name);
    if (window == nullptr) continue;
    SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool starts_group = c->kind != ControlKind::kOption || previous == nullptr ||
                              previous->kind != ControlKind::kOption ||
                              previous->container != c->container;
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    style = starts_group ? (style | WS_GROUP) : (style & ~static_cast<LONG_PTR>(WS_GROUP));
    SetWindowLongPtrA(window, GWL_STYLE, style);
    after = window;
    previous = c;
  }
}

void Win32PageWindow::Apply(const Control& c) {
  if (const Control* bar = ProgressBarHolding(c)) {
    if (HWND window = ControlWindow(bar->name)) InvalidateRect(window, nullptr, FALSE);
    return;
  }
  HWND window = ControlWindow(c.name);
  if (window == nullptr) return;
  PixelRect box = scale_.ToPixels(c.rect);
  HFONT font =
      c.kind == ControlKind::kLabel ? FitLabel(c, box) : fonts_.Get(c.font, scale_.dpi_y());
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const int height = c.kind == ControlKind::kDriveList ? box.height * kDropDownRows : box.height;
  SetWindowPos(window, nullptr, box.left, box.top, box.width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyContent(c, window, box);
  if ((!c.enabled || !c.visible) && GetFocus() == window) {
    SendMessageA(hwnd_, WM_NEXTDLGCTL, 0, FALSE);  // the focus must not stay where no key works
  }
  EnableWindow(window, c.enabled ? TRUE : FALSE);
  ShowWindow(window, c.visible ? SW_SHOWNA : SW_HIDE);
  InvalidateRect(window, nullptr, TRUE);
}

void Win32PageWindow::ApplyContent(const Control& c, HWND window, const PixelRect& box) {
  switch (c.kind) {
    case ControlKind::kButton:
      ApplyButton(hwnd_, window, c);
      break;
    case ControlKind::kOption:
      ApplyOption(window, c);
      break;
    case ControlKind::kTextBox:
    case ControlKind::kMultiLineText:
      ApplyEdit(window, c);
      break;
    case ControlKind::kDriveList:
      ApplyDriveList(window, c, box.height);
      break;
    case ControlKind::kFolderList:
      SendMessageA(window, LB_SETITEMHEIGHT, 0, scale_.ToPixelsY(255));
      ApplyFolderList(window, c);
      break;
    case ControlKind::kLabel:
    case ControlKind::kFrame:
      SetTextIfChanged(window, c.text);
      break;
    case ControlKind::kPicture:
    case ControlKind::kProgressBar:
      break;  // drawn from the shown model
  }
}

// Sizes the label by the core's rule, measuring as the static control wraps.
HFONT Win32PageWindow::FitLabel(const Control& c, PixelRect& box) {
  HDC dc = GetDC(hwnd_);
  const LabelFit fit = vlrna::FitLabel(
      page_, c, FontCache::PointsOf(c.font),
      [&](double points, int32_t width, int32_t& needed_width, int32_t& needed_height) {
        HGDIOBJ old = SelectObject(dc, fonts_.Get(c.font, points, scale_.dpi_y()));
        const int room = scale_.ToPixelsX(width);
        RECT needed{0, 0, room, 0};
        DrawTextA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        SelectObject(dc, old);
        // Judged in pixels: a round trip through twips must not make a text
        // that fits look a twip too wide.
        needed_width = needed.right <= room ? width : width + 1;
        needed_height = scale_.ToTwipsY(needed.bottom);
      });
  ReleaseDC(hwnd_, dc);
  box.height = scale_.ToPixelsY(fit.height);
  return fonts_.Get(c.font, fit.points, scale_.dpi_y());
}

HWND Win32PageWindow::ControlWindow(std::string_view control) const {
  auto found = windows_.find(control);
  return found == windows_.end() ? nullptr : found->second;
}

const Control* Win32PageWindow::ProgressBarHolding(const Control& label) const {
  if (label.kind != ControlKind::kLabel || label.container.empty()) return nullptr;
  if (!page_.Has(label.container)) return nullptr;
  const Control& holder = page_[label.container];
  return holder.kind == ControlKind::kProgressBar ? &holder : nullptr;
}

void Win32PageWindow::FocusStart() {
  if (hwnd_ == nullptr) return;
  auto focus = [this](const Control& c) {
    HWND window = ControlWindow(c.name);
    if (window == nullptr || !IsWindowEnabled(window) || !IsWindowVisible(window)) return false;
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
    return true;
  };
  for (const Control& c : page_.controls()) {
    if (c.kind == ControlKind::kOption && c.value && focus(c)) return;
  }
  for (const Control& c : page_.controls()) {
    if (c.is_default && focus(c)) return;
  }
}

}  // namespace vlrna
