#include "make_items/cp1252.h"

#include <cstdio>

#include "platform/unicode_text.h"

namespace vlrna {
namespace {

std::string Describe(char32_t code_point) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code_point));
  return buffer;
}

}  // namespace

int Cp1252ByteOf(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<int>(code_point);
  }
  // The five unassigned bytes of the row 0x80..0x9F stand for C1 controls,
  // which no text of ours may hold; its other bytes hold characters above 0xFF.
  if (code_point < 0x100) return -1;
  for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
    if (kWindows1252High[i] == code_point) return static_cast<int>(0x80 + i);
  }
  return -1;
}

std::string Utf8LineToCp1252(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  std::size_t pos = 0;
  for (std::size_t column = 1; pos < line.size(); ++column) {
    char32_t code_point = 0;
    if (!NextUtf8(line, pos, code_point) || (code_point >= 0xD800 && code_point <= 0xDFFF)) {
      throw EncodeError(column, "malformed UTF-8 sequence");
    }
    if ((code_point < 0x20 && code_point != '\t') || code_point == 0x7F) {
      throw EncodeError(column, "control character " + Describe(code_point) + " is not allowed");
    }
    const int byte = Cp1252ByteOf(code_point);
    if (byte < 0) {
      throw EncodeError(
          column, "character " + Describe(code_point) + " cannot be written in code page 1252");
    }
    out.push_back(static_cast<char>(byte));
  }
  return out;
}

}  // namespace vlrna
