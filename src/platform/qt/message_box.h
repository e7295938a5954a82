#ifndef VLRNA_PLATFORM_QT_MESSAGE_BOX_H_
#define VLRNA_PLATFORM_QT_MESSAGE_BOX_H_

#include <QWidget>

#include "platform/qt/qt_text.h"
#include "platform/window.h"

namespace vlrna {

// Shows `request` as an application-modal message box centred on `owner`
// (may be null) and returns the answer. The first button is the default;
// Esc and closing the box give Cancel where there is one, No for Yes/No and
// OK for a lone OK button. `text` converts the request's texts.
MessageAnswer RunMessageBox(QWidget* owner, const MessageRequest& request, const QtText& text);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_MESSAGE_BOX_H_
