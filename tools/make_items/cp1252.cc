#include "make_items/cp1252.h"

#include <array>
#include <cstdio>

namespace vlrna {
namespace {

// Unicode characters of the bytes 0x80..0x9F; 0 where 1252 leaves the byte
// unassigned.
constexpr std::array<char32_t, 32> kHighControlRow = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::string Describe(char32_t code_point) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code_point));
  return buffer;
}

// Decodes the UTF-8 sequence at `pos` and moves `pos` past it; -1 when the
// bytes there are no well-formed, shortest-form sequence of a scalar value.
long DecodeOne(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int length = 0;
  char32_t value = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07;
  } else {
    return -1;
  }
  if (pos + length > text.size()) return -1;
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return -1;
    value = (value << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return -1;
  }
  pos += length;
  return static_cast<long>(value);
}

}  // namespace

int Cp1252ByteOf(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<int>(code_point);
  }
  for (std::size_t i = 0; i < kHighControlRow.size(); ++i) {
    if (kHighControlRow[i] == code_point) return static_cast<int>(0x80 + i);
  }
  return -1;
}

std::string Utf8LineToCp1252(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  std::size_t pos = 0;
  for (std::size_t column = 1; pos < line.size(); ++column) {
    const long decoded = DecodeOne(line, pos);
    if (decoded < 0) throw EncodeError(column, "malformed UTF-8 sequence");
    const auto code_point = static_cast<char32_t>(decoded);
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
