#include "platform/win32/gui/win32_control_windows.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace vlrna {
namespace {

struct WindowKind {
  const char* window_class;
  DWORD style;
  DWORD ex_style;
};

WindowKind KindOf(const Control& c) {
  constexpr DWORD kEdge = WS_EX_CLIENTEDGE;
  switch (c.kind) {
    case ControlKind::kLabel:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kButton:
      return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::kOption:
      return {"BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case ControlKind::kTextBox:
      return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, kEdge};
    case ControlKind::kMultiLineText:
      // Editable text takes Enter for its lines; read-only text leaves it to
      // the default button.
      return {"EDIT",
              WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                  (c.read_only ? 0u : static_cast<DWORD>(ES_WANTRETURN)),
              kEdge};
    case ControlKind::kFrame:
      return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::kPicture:
    case ControlKind::kProgressBar:
      return {"STATIC", SS_OWNERDRAW, 0};
    case ControlKind::kDriveList:
      return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::kFolderList:
      return {"LISTBOX",
              WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                  LBS_NOINTEGRALHEIGHT,
              kEdge};
  }
  return {"STATIC", 0, 0};
}

std::vector<std::string> ListItems(HWND window, UINT count_message, UINT length_message,
                                   UINT text_message) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageA(window, count_message, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(window, length_message, i, 0);
    std::string item(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    SendMessageA(window, text_message, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
    items.push_back(std::move(item));
  }
  return items;
}

// The dialog manager selects the whole text of an edit that gets the focus,
// which scrolls a long text to its end: a text to read keeps its place.
LRESULT CALLBACK KeepPlace(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                           DWORD_PTR) {
  const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
  return message == WM_GETDLGCODE ? (result & ~static_cast<LRESULT>(DLGC_HASSETSEL)) : result;
}

}  // namespace

HWND MakeControlWindow(HWND page, const Control& c, int id) {
  const WindowKind kind = KindOf(c);
  HWND window = CreateWindowExA(kind.ex_style | WS_EX_NOPARENTNOTIFY, kind.window_class, "",
                                WS_CHILD | kind.style, 0, 0, 0, 0, page,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  if (window != nullptr && c.kind == ControlKind::kMultiLineText) {
    SetWindowSubclass(window, &KeepPlace, 1, 0);
  }
  return window;
}

bool IsBackdrop(ControlKind kind) {
  return kind == ControlKind::kFrame || kind == ControlKind::kPicture;
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return text;
}

bool SetTextIfChanged(HWND window, const std::string& text) {
  if (WindowText(window) == text) return false;
  SetWindowTextA(window, text.c_str());
  return true;
}

int ChosenRow(const Control& c) {
  if (c.list_index >= 0 && c.list_index < static_cast<int32_t>(c.items.size())) {
    return c.list_index;
  }
  for (size_t i = 0; i < c.items.size(); ++i) {
    if (c.items[i] == c.text) return static_cast<int>(i);
  }
  return -1;
}

void ApplyButton(HWND page, HWND window, const Control& c) {
  SetTextIfChanged(window, c.text);
  SendMessageA(window, BM_SETSTYLE, c.is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  if (c.is_default) SendMessageA(page, DM_SETDEFID, GetDlgCtrlID(window), 0);
}

void ApplyOption(HWND window, const Control& c) {
  SetTextIfChanged(window, c.text);
  SendMessageA(window, BM_SETCHECK, c.value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ApplyEdit(HWND window, const Control& c) {
  if (SetTextIfChanged(window, c.text) && c.kind == ControlKind::kMultiLineText) {
    // A new text is read from its start.
    SendMessageA(window, EM_SETSEL, 0, 0);
    SendMessageA(window, EM_SCROLLCARET, 0, 0);
  }
  SendMessageA(window, EM_SETREADONLY, c.read_only ? TRUE : FALSE, 0);
}

void ApplyDriveList(HWND window, const Control& c, int height) {
  if (ListItems(window, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT) != c.items) {
    SendMessageA(window, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : c.items) {
      SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
  }
  // The selection field fills the model's height; the window's own height is
  // that of the opened list.
  SendMessageA(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(height - 6, 8));
  SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(ChosenRow(c)), 0);
}

void ApplyFolderList(HWND window, const Control& c) {
  if (ListItems(window, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT) != c.items) {
    SendMessageA(window, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : c.items) {
      SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
  }
  SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(ChosenRow(c)), 0);
}

}  // namespace vlrna
