// vlrna-gui-probe.exe: lists the visible windows of the desktop and their
// controls with their screen rectangles, one per line, tab-separated:
//
//   LEVEL  CLASS  KIND  LEFT  TOP  RIGHT  BOTTOM  ENABLED  TEXT
//
// LEVEL is "top" or "child"; KIND for a button "default", "push", "option",
// "check" or "frame", else "-"; ENABLED 1 or 0 (a child counts as disabled when its window is),
// TEXT the window's text in UTF-8. Under Wine the screen is the X display's, so a script can click
// into the wizard with X input at these points (the smoke run of the Windows wizard). It reads what
// any program may read of other programs' windows; it sends nothing.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8Text(HWND window) {
  wchar_t text[1024] = {};
  const int length = GetWindowTextW(window, text, 1024);
  char utf8[4096] = {};
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text, length, utf8, sizeof utf8 - 1, nullptr, nullptr);
  std::string result(utf8, bytes > 0 ? static_cast<size_t>(bytes) : 0);
  for (char& c : result) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return result;
}

const char* ButtonKind(HWND window) {
  switch (static_cast<unsigned>(GetWindowLongA(window, GWL_STYLE)) & BS_TYPEMASK) {
    case BS_DEFPUSHBUTTON:
      return "default";
    case BS_PUSHBUTTON:
      return "push";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return "option";
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
      return "check";
    case BS_GROUPBOX:
      return "frame";
  }
  return "-";
}

void Print(const char* level, HWND window, bool enabled) {
  char klass[256] = {};
  GetClassNameA(window, klass, sizeof klass);
  RECT r = {};
  GetWindowRect(window, &r);
  const char* kind = lstrcmpiA(klass, "Button") == 0 ? ButtonKind(window) : "-";
  std::printf("%s\t%s\t%s\t%ld\t%ld\t%ld\t%ld\t%d\t%s\n", level, klass, kind, r.left, r.top,
              r.right, r.bottom, enabled ? 1 : 0, Utf8Text(window).c_str());
}

BOOL CALLBACK OnChild(HWND child, LPARAM top_enabled) {
  if (IsWindowVisible(child)) Print("child", child, top_enabled && IsWindowEnabled(child));
  return TRUE;
}

BOOL CALLBACK OnTop(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  const bool enabled = IsWindowEnabled(window) != FALSE;
  Print("top", window, enabled);
  EnumChildWindows(window, OnChild, enabled);
  return TRUE;
}

}  // namespace

int main() {
  EnumWindows(OnTop, 0);
  return 0;
}
