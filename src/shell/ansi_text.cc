#include "shell/ansi_text.h"

#include <cstdio>

namespace vlrna {
namespace {

unsigned char Upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x9A:
      return 0x8A;  // s with caron
    case 0x9C:
      return 0x8C;  // oe
    case 0x9E:
      return 0x8E;  // z with caron
    case 0xFF:
      return 0x9F;  // y with diaeresis
    default:
      return c;
  }
}

unsigned char Lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}

}  // namespace

std::string AnsiUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
  return result;
}

std::string AnsiLower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
  return result;
}

std::string ShortestDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

}  // namespace vlrna
