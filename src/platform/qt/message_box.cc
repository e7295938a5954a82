#include "platform/qt/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace vlrna {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

using ButtonSet = std::vector<std::pair<QMessageBox::StandardButton, MessageAnswer>>;

// The buttons in display order; the last entry answers Esc.
ButtonSet ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOkCancel:
      return {{QMessageBox::Ok, kAnswerOk}, {QMessageBox::Cancel, kAnswerCancel}};
    case MessageButtons::kYesNo:
      return {{QMessageBox::Yes, kAnswerYes}, {QMessageBox::No, kAnswerNo}};
    case MessageButtons::kRetryCancel:
      return {{QMessageBox::Retry, kAnswerRetry}, {QMessageBox::Cancel, kAnswerCancel}};
    case MessageButtons::kOk:
      break;
  }
  return {{QMessageBox::Ok, kAnswerOk}};
}

}  // namespace

MessageAnswer RunMessageBox(QWidget* owner, const MessageRequest& request, const QtText& text) {
  QMessageBox box(owner);
  box.setIcon(IconOf(request.icon));
  box.setWindowTitle(text.FromAnsi(request.title));
  box.setTextFormat(Qt::PlainText);
  box.setText(text.FromAnsiForDisplay(request.text));
  box.setWindowModality(Qt::ApplicationModal);
  box.setObjectName(QString::fromStdString(request.id));
  const ButtonSet buttons = ButtonsOf(request.buttons);
  std::vector<QPushButton*> made;
  for (const auto& [button, answer] : buttons) made.push_back(box.addButton(button));
  box.setDefaultButton(made.front());
  box.setEscapeButton(made.back());
  box.exec();
  for (size_t i = 0; i < made.size(); ++i) {
    if (box.clickedButton() == made[i]) return buttons[i].second;
  }
  return buttons.back().second;
}

}  // namespace vlrna
