#ifndef VLRNA_PLATFORM_UNICODE_TEXT_H_
#define VLRNA_PLATFORM_UNICODE_TEXT_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vlrna {

// Reads the UTF-8 character at `pos` (before the end of `text`) into `c` and
// moves past it. A byte that starts no well-formed sequence (shortest form,
// at most U+10FFFF) gives false and moves one byte on. Surrogates (U+D800 to
// U+DFFF) read like any other character: UTF-16 files can hold lone ones, and
// they are kept.
bool NextUtf8(std::string_view text, size_t& pos, char32_t& c);

// The characters of UTF-8 text; a byte that starts no well-formed sequence
// stands for the character of its own value (U+0080 to U+00FF).
std::u32string DecodeUtf8(std::string_view utf8);

// Appends the UTF-8 form of `c` to `out`.
void AppendUtf8(char32_t c, std::string& out);
std::string EncodeUtf8(std::u32string_view text);

// The characters of the bytes 0x80 to 0x9F in the Windows-1252 code page; the
// bytes below and above them are the characters of the same number. The five
// bytes the code page leaves unassigned map to the controls of their number,
// as Windows maps them, so every byte survives a round trip.
inline constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of a Windows-1252 byte.
inline char32_t Windows1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char32_t{byte};
}

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_UNICODE_TEXT_H_
