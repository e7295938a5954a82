#include "simconfig/text_encoding.h"

#include <cstdint>

#include "platform/unicode_text.h"

namespace vlrna {
namespace {

std::string DecodeUtf16(std::string_view units, bool big_endian) {
  std::string out;
  out.reserve(units.size());
  auto unit = [&](size_t i) -> char32_t {
    auto hi = static_cast<uint8_t>(units[2 * i + (big_endian ? 0 : 1)]);
    auto lo = static_cast<uint8_t>(units[2 * i + (big_endian ? 1 : 0)]);
    return (char32_t{hi} << 8) | lo;
  };
  size_t count = units.size() / 2;
  for (size_t i = 0; i < count; ++i) {
    char32_t u = unit(i);
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < count) {
      char32_t next = unit(i + 1);
      if (next >= 0xDC00 && next < 0xE000) {
        AppendUtf8(0x10000 + ((u - 0xD800) << 10) + (next - 0xDC00), out);
        ++i;
        continue;
      }
    }
    AppendUtf8(u, out);
  }
  return out;
}

void AppendUtf16Unit(char32_t u, bool big_endian, std::string& out) {
  char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
  out.push_back(big_endian ? hi : lo);
  out.push_back(big_endian ? lo : hi);
}

std::string EncodeUtf16(std::string_view text, bool big_endian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t pos = 0; pos < text.size();) {
    char32_t c = 0;
    if (!NextUtf8(text, pos, c)) c = 0xFFFD;  // only text we inserted ourselves
    if (c >= 0x10000) {
      AppendUtf16Unit(0xD800 + ((c - 0x10000) >> 10), big_endian, out);
      AppendUtf16Unit(0xDC00 + ((c - 0x10000) & 0x3FF), big_endian, out);
    } else {
      AppendUtf16Unit(c, big_endian, out);
    }
  }
  return out;
}

}  // namespace

DecodedText DecodeText(std::string_view bytes) {
  DecodedText d;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    d.encoding = TextEncoding::kUtf8;
    d.text.assign(bytes.substr(3));
  } else if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    bool big_endian = bytes[0] == '\xFE';
    d.encoding = big_endian ? TextEncoding::kUtf16Be : TextEncoding::kUtf16Le;
    std::string_view units = bytes.substr(2);
    if (units.size() % 2) d.tail.assign(units.substr(units.size() - 1));
    d.text = DecodeUtf16(units.substr(0, units.size() - d.tail.size()), big_endian);
  } else {
    d.text.assign(bytes);
  }
  return d;
}

std::string EncodeText(const DecodedText& d) {
  switch (d.encoding) {
    case TextEncoding::kAnsi:
      return d.text;
    case TextEncoding::kUtf8:
      return "\xEF\xBB\xBF" + d.text;
    case TextEncoding::kUtf16Le:
      return "\xFF\xFE" + EncodeUtf16(d.text, false) + d.tail;
    case TextEncoding::kUtf16Be:
      return "\xFE\xFF" + EncodeUtf16(d.text, true) + d.tail;
  }
  return d.text;
}

}  // namespace vlrna
