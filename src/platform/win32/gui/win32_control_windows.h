#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_CONTROL_WINDOWS_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_CONTROL_WINDOWS_H_

#include <string>

#include "platform/page_model.h"
#include "platform/win32/windows_api.h"

namespace vlrna {

// The child windows that show the page model's controls: which Win32 control
// each kind becomes and how its content follows the model. Pictures, progress
// bars and folder rows are drawn by their page (owner-drawn).

// Makes the hidden child window of `c` with command id `id`.
HWND MakeControlWindow(HWND page, const Control& c, int id);

// Frames and picture areas lie under what they hold.
bool IsBackdrop(ControlKind kind);

// The window's text as ANSI bytes.
std::string WindowText(HWND window);
// Sets the text only when it differs, so an edit keeps its caret; true when
// it was set.
bool SetTextIfChanged(HWND window, const std::string& text);

// The list entry the model has chosen: its index, else the entry equal to
// its text, else -1.
int ChosenRow(const Control& c);

// Brings the content of one kind of control in line with `c`. `page` is the
// page's window, which keeps the default button.
void ApplyButton(HWND page, HWND window, const Control& c);
void ApplyOption(HWND window, const Control& c);
void ApplyEdit(HWND window, const Control& c);
// `height` is the closed list's height in pixels.
void ApplyDriveList(HWND window, const Control& c, int height);
void ApplyFolderList(HWND window, const Control& c);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_CONTROL_WINDOWS_H_
