#include "platform/qt/ansi_text.h"

#include <QList>
#include <array>

#include "platform/unicode_text.h"

namespace vlrna {
namespace {

char16_t CharOf(unsigned char byte) { return static_cast<char16_t>(Windows1252ToUnicode(byte)); }

char ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (size_t i = 0; i < kWindows1252High.size(); ++i) {
    if (kWindows1252High[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

QString FromAnsi(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char b : bytes) text.append(QChar(CharOf(static_cast<unsigned char>(b))));
  return text;
}

std::string ToAnsi(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (char32_t c : text.toUcs4()) bytes.push_back(ByteOf(c));
  return bytes;
}

QString FromAnsiForDisplay(std::string_view bytes) {
  QString text = FromAnsi(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar(u'\r'), QChar(u'\n'));
  return text;
}

std::string ToAnsiFromDisplay(const QString& text) {
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
