#ifndef VLRNA_PLATFORM_UNICODE_TEXT_H_
#define VLRNA_PLATFORM_UNICODE_TEXT_H_

#include <array>
#include <string>

namespace vlrna {

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

// Appends the UTF-8 form of `c` to `out`.
void AppendUtf8(char32_t c, std::string& out);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_UNICODE_TEXT_H_
