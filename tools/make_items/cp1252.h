#ifndef VLRNA_TOOLS_MAKE_ITEMS_CP1252_H_
#define VLRNA_TOOLS_MAKE_ITEMS_CP1252_H_

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vlrna {

// A character of a UTF-8 line that cannot go into a code page 1252 file.
// `column` counts characters (not bytes) from 1.
class EncodeError : public std::runtime_error {
 public:
  EncodeError(std::size_t column, const std::string& what)
      : std::runtime_error(what), column_(column) {}
  std::size_t column() const { return column_; }

 private:
  std::size_t column_;
};

// The code page 1252 byte of `code_point`, or -1 when 1252 has no such
// character (the five unassigned bytes of 0x80..0x9F included).
int Cp1252ByteOf(char32_t code_point);

// Turns one line of UTF-8 text into code page 1252, one byte per character.
// Throws EncodeError naming the column for a malformed UTF-8 sequence, for a
// character 1252 cannot hold, and for every control character except the tab
// (the installer's files use 0x01..0x03 as markers and end lines themselves).
std::string Utf8LineToCp1252(std::string_view line);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_MAKE_ITEMS_CP1252_H_
