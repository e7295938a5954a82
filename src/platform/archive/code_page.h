#ifndef VLRNA_PLATFORM_ARCHIVE_CODE_PAGE_H_
#define VLRNA_PLATFORM_ARCHIVE_CODE_PAGE_H_

#include <optional>
#include <string>
#include <string_view>

namespace vlrna {

// The ANSI code page names are taken in when nothing else is said.
inline constexpr std::string_view kDefaultCodePage = "CP1252";

// `utf8` as 8-bit text in `code_page` ("CP1252"); nothing when a character
// has no place in that code page or the text is not valid UTF-8.
std::optional<std::string> Utf8ToCodePage(std::string_view utf8, std::string_view code_page);

// 8-bit text in `code_page` as UTF-8; nothing when the code page is unknown
// or a byte has no character in it.
std::optional<std::string> CodePageToUtf8(std::string_view text, std::string_view code_page);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_CODE_PAGE_H_
