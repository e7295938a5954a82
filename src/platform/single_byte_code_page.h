#ifndef VLRNA_PLATFORM_SINGLE_BYTE_CODE_PAGE_H_
#define VLRNA_PLATFORM_SINGLE_BYTE_CODE_PAGE_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/ansi_code_page.h"

namespace vlrna {

// A code page with one character for every byte, converting through a table.
class SingleByteCodePage : public AnsiCodePage {
 public:
  // `characters[b]` is the character of the byte b. A character that two
  // bytes share converts back to the lower one.
  SingleByteCodePage(uint32_t number, const std::array<char32_t, 256>& characters);

  uint32_t number() const override { return number_; }
  std::string AnsiToUtf8(std::string_view ansi) const override;
  std::string Utf8ToAnsi(std::string_view utf8) const override;
  std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) const override;

  // The byte of `c`, or nothing when the code page lacks it.
  std::optional<char> ByteOf(char32_t c) const;

 private:
  uint32_t number_;
  std::array<char32_t, 256> characters_;
  std::unordered_map<char32_t, char> bytes_;
};

// Windows-1252, the western code page, in which the package's own texts
// (message files, licences) are written. Its five unassigned bytes stand for
// the control characters of their value, as Windows maps them, so every byte
// survives a round trip.
const SingleByteCodePage& Windows1252();

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_SINGLE_BYTE_CODE_PAGE_H_
