#ifndef VLRNA_PLATFORM_ANSI_CODE_PAGE_H_
#define VLRNA_PLATFORM_ANSI_CODE_PAGE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vlrna {

// The machine's 8-bit (ANSI) code page, in which every text of the wizard is
// held: the Wine prefix's on Linux, the system's on Windows. It converts texts
// between that code page and the UTF-8 of the world around the core (the
// screen, the terminal, Unix names, archive names). Every method may be
// called from several threads at once.
class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;

  // The Windows number of the code page: 1252 western, 1251 Cyrillic, 932
  // Japanese, 65001 UTF-8.
  virtual uint32_t number() const = 0;

  // ANSI text as UTF-8. Never fails: a byte (or a pair of bytes) that has no
  // character becomes '?'.
  virtual std::string AnsiToUtf8(std::string_view ansi) const = 0;

  // UTF-8 text as ANSI; a character that the code page lacks becomes '?', as
  // Windows converts it. A byte that starts no valid UTF-8 sequence is taken
  // for the character of its own value (U+0080 to U+00FF), so names written
  // in Latin-1 keep their letters where the code page has them.
  virtual std::string Utf8ToAnsi(std::string_view utf8) const = 0;

  // UTF-8 text as ANSI, or nothing when the text is not valid UTF-8 or a
  // character has no place in the code page: for names that must arrive as
  // they are or not at all.
  virtual std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) const = 0;
};

// `text` written in the code page `from` as text in `to`: a character that
// `to` lacks becomes '?'. Unchanged when both are the same code page.
std::string Recode(std::string_view text, const AnsiCodePage& from, const AnsiCodePage& to);

// The name iconv and libarchive give a Windows code page: "CP1252", "CP932",
// "UTF-8" for 65001.
std::string CharsetName(uint32_t number);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ANSI_CODE_PAGE_H_
