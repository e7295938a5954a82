#ifndef VLRNA_PLATFORM_QT_QT_TEXT_H_
#define VLRNA_PLATFORM_QT_QT_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace vlrna {

// Conversion between the model's texts (bytes in the machine's ANSI code
// page) and Qt's strings, through the code page the platform gives, so it
// does not depend on which codecs the Qt build carries.
class QtText {
 public:
  // `code_page` must outlive the converter.
  explicit QtText(const AnsiCodePage& code_page) : code_page_(code_page) {}

  // A byte without a character becomes '?'. In Windows-1252 every byte has
  // one: the five bytes it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
  // map to the control characters of the same value, as Windows maps them.
  QString FromAnsi(std::string_view bytes) const;

  // A character the code page cannot hold becomes '?'.
  std::string ToAnsi(const QString& text) const;

  // For display: "\r\n" and a lone "\r" become "\n".
  QString FromAnsiForDisplay(std::string_view bytes) const;

  // For the model: every "\n" that is not preceded by "\r" becomes "\r\n".
  std::string ToAnsiFromDisplay(const QString& text) const;

 private:
  const AnsiCodePage& code_page_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_QT_TEXT_H_
