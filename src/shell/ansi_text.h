#ifndef VLRNA_SHELL_ANSI_TEXT_H_
#define VLRNA_SHELL_ANSI_TEXT_H_

#include <string>
#include <string_view>

namespace vlrna {

// Upper and lower case of texts in the ANSI code page (Windows-1252), letters
// with accents included, as the system's own case functions give them.
std::string AnsiUpper(std::string_view text);
std::string AnsiLower(std::string_view text);

// A number in its shortest decimal form: 1920 gives "1920", 1366.4 "1366.4".
std::string ShortestDecimal(double value);

}  // namespace vlrna

#endif  // VLRNA_SHELL_ANSI_TEXT_H_
