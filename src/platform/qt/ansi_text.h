#ifndef VLRNA_PLATFORM_QT_ANSI_TEXT_H_
#define VLRNA_PLATFORM_QT_ANSI_TEXT_H_

#include <QString>
#include <string>
#include <string_view>

namespace vlrna {

// Conversion between the model's texts (bytes in the Windows-1252 code page)
// and Qt's strings. Done with a table of our own, so it does not depend on
// which codecs the Qt build carries.

// Every byte becomes one character; the five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of
// the same value, as Windows maps them.
QString FromAnsi(std::string_view bytes);

// Every character becomes one byte; a character the code page cannot hold
// becomes '?'. Surrogate pairs count as one character.
std::string ToAnsi(const QString& text);

// For display: "\r\n" and a lone "\r" become "\n".
QString FromAnsiForDisplay(std::string_view bytes);

// For the model: every "\n" that is not preceded by "\r" becomes "\r\n".
std::string ToAnsiFromDisplay(const QString& text);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_QT_ANSI_TEXT_H_
