#include "platform/win32/gui/win32_main_window.h"

#include <utility>

#include "platform/win32/gui/win32_control_windows.h"

namespace vlrna {
namespace {

constexpr char kWindowClass[] = "VlrnaMainWindow";
constexpr char kBackground[] = "picBackground";
constexpr COLORREF kGround = RGB(0x20, 0x28, 0x30);

void RegisterOnce(WNDPROC procedure) {
  WNDCLASSEXA known{};
  known.cbSize = sizeof(known);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoExA(instance, kWindowClass, &known)) return;
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  if (window_class.hIcon == nullptr) window_class.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.lpszClassName = kWindowClass;
  RegisterClassExA(&window_class);
}

}  // namespace

Win32MainWindow::Win32MainWindow(Page& page, BitmapCache& bitmaps,
                                 std::function<void()> on_destroyed,
                                 std::function<void(std::exception_ptr)> keep_error)
    : page_(page),
      bitmaps_(bitmaps),
      on_destroyed_(std::move(on_destroyed)),
      keep_error_(std::move(keep_error)) {
  RegisterOnce(&Procedure);
  CreateWindowExA(0, kWindowClass, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                  GetModuleHandleA(nullptr), this);
  Sync();
}

Win32MainWindow::~Win32MainWindow() {
  Close();
  DropScaled();
}

void Win32MainWindow::Close() {
  if (hwnd_ == nullptr) return;
  HWND hwnd = std::exchange(hwnd_, nullptr);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

void Win32MainWindow::Sync() {
  if (hwnd_ == nullptr) return;
  SetTextIfChanged(hwnd_, page_.caption);
  HBITMAP picture = page_.Has(kBackground) ? bitmaps_.Get(page_[kBackground].picture) : nullptr;
  if (picture != shown_picture_) {
    shown_picture_ = picture;
    DropScaled();
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

void Win32MainWindow::ShowMaximised() {
  if (hwnd_ == nullptr) return;
  // Where a window manager ignores maximising (or there is none, as under
  // Wine on a bare X display), the window's normal place is the whole work
  // area already.
  RECT work{};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) &&
      GetWindowPlacement(hwnd_, &placement)) {
    placement.rcNormalPosition = work;
    placement.showCmd = SW_SHOWMAXIMIZED;
    SetWindowPlacement(hwnd_, &placement);
  } else {
    ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
  }
  UpdateWindow(hwnd_);
}

void Win32MainWindow::DropScaled() {
  if (scaled_ != nullptr) DeleteObject(scaled_);
  scaled_ = nullptr;
  scaled_size_ = {};
}

LRESULT CALLBACK Win32MainWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wparam, lparam);
  try {
    return self->Handle(hwnd, message, wparam, lparam);
  } catch (...) {
    self->keep_error_(std::current_exception());
    return 0;
  }
}

LRESULT Win32MainWindow::Handle(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the picture covers it all
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CLOSE:
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      hwnd_ = nullptr;
      if (on_destroyed_) on_destroyed_();
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

// Scaling a screen-sized picture is slow: it is done once per size and only
// copied on later paints.
void Win32MainWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const SIZE size{client.right, client.bottom};
  if (shown_picture_ != nullptr &&
      (scaled_ == nullptr || size.cx != scaled_size_.cx || size.cy != scaled_size_.cy)) {
    DropScaled();
    scaled_ = CreateCompatibleBitmap(dc, size.cx, size.cy);
    scaled_size_ = size;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, scaled_);
    DrawBitmap(memory, shown_picture_, client, false);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  if (scaled_ != nullptr) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, scaled_);
    BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  } else {
    SetBkColor(dc, kGround);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
  }
  EndPaint(hwnd_, &paint);
}

}  // namespace vlrna
