#include "platform/win32/gui/win32_message_box.h"

namespace vlrna {
namespace {

uint32_t IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return MB_ICONHAND;
    case MessageIcon::kQuestion:
      return MB_ICONQUESTION;
    case MessageIcon::kExclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::kInformation:
      return MB_ICONASTERISK;
    case MessageIcon::kNone:
      break;
  }
  return 0;
}

uint32_t ButtonStyle(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return MB_OKCANCEL;
    case MessageButtons::kYesNo:
      return MB_YESNO;
    case MessageButtons::kRetryCancel:
      return MB_RETRYCANCEL;
    case MessageButtons::kOk:
      break;
  }
  return MB_OK;
}

}  // namespace

uint32_t MessageBoxStyle(const MessageRequest& request, bool has_owner) {
  return IconStyle(request.icon) | ButtonStyle(request.buttons) | MB_DEFBUTTON1 | MB_SETFOREGROUND |
         (has_owner ? MB_APPLMODAL : MB_TASKMODAL);
}

MessageAnswer AnswerOf(int result, MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return result == IDOK ? kAnswerOk : kAnswerCancel;
    case MessageButtons::kYesNo:
      return result == IDYES ? kAnswerYes : kAnswerNo;
    case MessageButtons::kRetryCancel:
      return result == IDRETRY ? kAnswerRetry : kAnswerCancel;
    case MessageButtons::kOk:
      break;
  }
  return kAnswerOk;
}

MessageAnswer RunMessageBox(HWND owner, const MessageRequest& request) {
  const int result = MessageBoxA(owner, request.text.c_str(), request.title.c_str(),
                                 MessageBoxStyle(request, owner != nullptr));
  return AnswerOf(result, request.buttons);
}

}  // namespace vlrna
