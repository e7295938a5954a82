#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_MESSAGE_BOX_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_MESSAGE_BOX_H_

#include <cstdint>

#include "platform/win32/windows_api.h"
#include "platform/window.h"

namespace vlrna {

// The MessageBoxA style of a request: its icon and buttons, the first button
// the default. Without an owner the box is modal to the whole program.
uint32_t MessageBoxStyle(const MessageRequest& request, bool has_owner);

// The answer MessageBoxA's result gives for the request's buttons. A result
// the buttons cannot give (the box failed) counts as the button that
// cancels: Cancel, No, or OK alone.
MessageAnswer AnswerOf(int result, MessageButtons buttons);

// Shows the box over `owner` (may be null) and waits for the answer.
MessageAnswer RunMessageBox(HWND owner, const MessageRequest& request);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_MESSAGE_BOX_H_
