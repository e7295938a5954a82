#include "platform/win32/gui/win32_window_layer.h"

#include <commctrl.h>

#include <cmath>
#include <utility>

#include "platform/win32/gui/win32_message_box.h"

namespace vlrna {
namespace {

// Enough for what piles up between two yields; a window that keeps posting
// to itself must not hold the long work in Yield.
constexpr int kMostMessagesPerYield = 1000;

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}

}  // namespace

Win32WindowLayer::Win32WindowLayer(const AnsiCodePage& code_page)
    : code_page_(code_page), scale_((InitCommonControlsOnce(), PixelScale::OfScreen())) {}

Win32WindowLayer::~Win32WindowLayer() {
  pages_.clear();  // owned by the main window: they go first
  main_.reset();
  if (quit_posted_) {
    // The quit was meant for this layer's loop, not for whatever runs next.
    MSG quit{};
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
}

int Win32WindowLayer::Run() {
  running_ = true;
  int code = 0;
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      code = static_cast<int>(message.wParam);
      break;
    }
    if (got == -1) break;
    Translate(message);
  }
  running_ = false;
  quit_posted_ = false;
  if (std::exception_ptr error = TakeError()) std::rethrow_exception(error);
  return code;
}

std::exception_ptr Win32WindowLayer::TakeError() { return std::exchange(error_, nullptr); }

ScreenInfo Win32WindowLayer::Screen() {
  ScreenInfo info;
  info.width_twips = scale_.ToTwipsX(GetSystemMetrics(SM_CXSCREEN));
  info.height_twips = scale_.ToTwipsY(GetSystemMetrics(SM_CYSCREEN));
  info.twips_per_pixel_x = static_cast<int32_t>(std::lround(1440.0 / scale_.dpi_x()));
  info.twips_per_pixel_y = static_cast<int32_t>(std::lround(1440.0 / scale_.dpi_y()));
  return info;
}

void Win32WindowLayer::ShowMainWindow(Page& main) {
  if (main_ == nullptr || &main_->page() != &main || main_->hwnd() == nullptr) {
    main_ = std::make_unique<Win32MainWindow>(
        main, bitmaps_, [this] { PostQuit(0); },
        [this](std::exception_ptr error) { KeepError(std::move(error)); });
  }
  main.visible = true;
  main_->Sync();
  main_->ShowMaximised();
  if (AnyPageShowing(nullptr)) EnableWindow(main_->hwnd(), FALSE);
}

void Win32WindowLayer::ShowPage(Page& page) {
  std::unique_ptr<Win32PageWindow>& window = pages_[&page];
  const bool first = window == nullptr || window->hwnd() == nullptr;
  if (first) {
    PageWindowServices services{
        [this, &page](const std::function<void(Page&)>& input) { Dispatch(page, input); },
        [this](std::exception_ptr error) { KeepError(std::move(error)); }};
    // A page starts on the screen of its owner.
    const PixelScale scale = Owner() != nullptr ? PixelScale::OfWindow(Owner()) : scale_;
    window = std::make_unique<Win32PageWindow>(page, Owner(), scale, fonts_, bitmaps_,
                                               std::move(services));
  }
  page.visible = true;
  window->Sync();
  window->Show();
  // The page is modal: its owner takes no input while it shows.
  if (HWND owner = Owner()) EnableWindow(owner, FALSE);
  if (first) window->FocusStart();
}

void Win32WindowLayer::HidePage(Page& page) {
  page.visible = false;
  auto found = pages_.find(&page);
  if (found == pages_.end()) return;
  // The owner comes back before the page goes, so that it, and not another
  // program, becomes the active window.
  HWND owner = Owner();
  if (owner != nullptr && !AnyPageShowing(&page)) EnableWindow(owner, TRUE);
  found->second->Hide();
}

void Win32WindowLayer::Refresh(Page& page) {
  if (main_ != nullptr && &main_->page() == &page) main_->Sync();
  auto found = pages_.find(&page);
  if (found == pages_.end()) return;
  found->second->Sync();
  if (found->second->IsShowing()) UpdateWindow(found->second->hwnd());
}

MessageAnswer Win32WindowLayer::ShowMessage(const MessageRequest& request) {
  SyncAll();
  HWND owner = Owner();
  for (const auto& [page, window] : pages_) {
    if (window->IsShowing()) owner = window->hwnd();
  }
  return RunMessageBox(owner, request);
}

void Win32WindowLayer::Yield() {
  ++yield_depth_;
  struct Leave {
    int& depth;
    ~Leave() { --depth; }
  } leave{yield_depth_};
  SyncAll();
  MSG message{};
  for (int i = 0; i < kMostMessagesPerYield && error_ == nullptr; ++i) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) break;
    if (message.message == WM_QUIT) {
      // Not ours to end here: the loop of Run takes it.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    Translate(message);
  }
  if (std::exception_ptr error = TakeError()) std::rethrow_exception(error);
}

void Win32WindowLayer::CloseAll() {
  try {
    for (auto& [page, window] : pages_) {
      const_cast<Page*>(page)->visible = false;
      window->Close();
    }
    if (main_ != nullptr) {
      main_->page().visible = false;
      main_->Close();
    }
    PostQuit(0);
  } catch (...) {
    // Closing is the last thing the program does; nothing may stop it.
  }
}

HWND Win32WindowLayer::MainWindow() const { return main_ == nullptr ? nullptr : main_->hwnd(); }

HWND Win32WindowLayer::WindowOf(const Page& page) const {
  auto found = pages_.find(&page);
  return found == pages_.end() ? nullptr : found->second->hwnd();
}

HWND Win32WindowLayer::ControlWindow(const Page& page, std::string_view control) const {
  auto found = pages_.find(&page);
  return found == pages_.end() ? nullptr : found->second->ControlWindow(control);
}

void Win32WindowLayer::Dispatch(Page& page, const std::function<void(Page&)>& input) {
  if (page.busy || !page.visible) {
    // Long work runs in one of this page's handlers and yields to us: a second
    // click must not start it again or leave the page under it.
    SyncAll();
    return;
  }
  ++dispatch_depth_;
  try {
    input(page);
  } catch (...) {
    KeepError(std::current_exception());
  }
  --dispatch_depth_;
  SyncAll();
  // Ending the loop when none runs would end the next one at once.
  if (error_ != nullptr && LoopMustEnd()) PostQuit(1);
}

void Win32WindowLayer::KeepError(std::exception_ptr error) {
  if (error_ == nullptr) error_ = std::move(error);
  if (LoopMustEnd()) PostQuit(1);
}

// Outside any handler and any Yield only the loop of Run can raise a kept
// exception again.
bool Win32WindowLayer::LoopMustEnd() const {
  return running_ && dispatch_depth_ == 0 && yield_depth_ == 0;
}

void Win32WindowLayer::SyncAll() {
  if (main_ != nullptr) main_->Sync();
  for (auto& [page, window] : pages_) window->Sync();
}

void Win32WindowLayer::Translate(MSG& message) {
  for (auto& [page, window] : pages_) {
    if (!window->IsShowing()) continue;
    if (window->OpenFolderOnEnter(message)) return;
    if (IsDialogMessageA(window->hwnd(), &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void Win32WindowLayer::PostQuit(int code) {
  PostQuitMessage(code);
  quit_posted_ = true;
}

HWND Win32WindowLayer::Owner() const { return MainWindow(); }

bool Win32WindowLayer::AnyPageShowing(const Page* except) const {
  for (const auto& [page, window] : pages_) {
    if (page != except && window->IsShowing()) return true;
  }
  return false;
}

}  // namespace vlrna
