#include "simconfig/text_encoding.h"

#include <array>
#include <cstdint>

namespace vlrna {
namespace {

// Code page 1252 from 0x80 to 0x9F. The five unassigned bytes map to the C1
// controls of the same value, as Windows maps them, so every byte survives.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Reads one character at `pos` and moves past it. Lone surrogates encoded in
// three bytes are accepted (they come from UTF-16 files). Returns false and
// moves one byte on for a byte that starts no valid sequence.
bool NextUtf8(std::string_view s, size_t& pos, char32_t& c) {
  auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  uint8_t b = byte(pos);
  size_t extra = b < 0x80             ? 0
                 : (b & 0xE0) == 0xC0 ? 1
                 : (b & 0xF0) == 0xE0 ? 2
                 : (b & 0xF8) == 0xF0 ? 3
                                      : 4;
  if (extra == 4 || pos + extra >= s.size()) {
    ++pos;
    return false;
  }
  c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
  for (size_t i = 1; i <= extra; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return false;
    }
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMin[extra] || c > 0x10FFFF) {
    ++pos;
    return false;
  }
  pos += extra + 1;
  return true;
}

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

std::string AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (char ch : ansi) {
    auto b = static_cast<uint8_t>(ch);
    AppendUtf8(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char32_t{b}, out);
  }
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t c = 0;
    if (!NextUtf8(utf8, pos, c)) {
      out.push_back('?');
    } else if (c < 0x80 || (c >= 0xA0 && c < 0x100)) {
      out.push_back(static_cast<char>(c));
    } else {
      char mapped = '?';
      for (size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == c) mapped = static_cast<char>(0x80 + i);
      }
      out.push_back(mapped);
    }
  }
  return out;
}

}  // namespace vlrna
