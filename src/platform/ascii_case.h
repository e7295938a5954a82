#ifndef VLRNA_PLATFORM_ASCII_CASE_H_
#define VLRNA_PLATFORM_ASCII_CASE_H_

#include <string>
#include <string_view>

namespace vlrna {

// Letter case of the ASCII letters only: every other byte, the ANSI code
// page's own letters included, stays as it is, whatever locale the C library
// was given.
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
inline char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
inline bool IsAsciiLetter(char c) { return AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z'; }
std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);

// Whether `a` and `b` are the same when ASCII letter case is ignored.
bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ASCII_CASE_H_
