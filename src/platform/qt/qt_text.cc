#include "platform/qt/qt_text.h"

#include <QByteArray>

namespace vlrna {

QString QtText::FromAnsi(std::string_view bytes) const {
  const std::string utf8 = code_page_.AnsiToUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string QtText::ToAnsi(const QString& text) const {
  const QByteArray utf8 = text.toUtf8();
  return code_page_.Utf8ToAnsi(
      std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

QString QtText::FromAnsiForDisplay(std::string_view bytes) const {
  QString text = FromAnsi(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar(u'\r'), QChar(u'\n'));
  return text;
}

std::string QtText::ToAnsiFromDisplay(const QString& text) const {
  std::string bytes = ToAnsi(text);
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) out.push_back('\r');
    out.push_back(bytes[i]);
  }
  return out;
}

}  // namespace vlrna
