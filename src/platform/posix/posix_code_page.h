#ifndef VLRNA_PLATFORM_POSIX_POSIX_CODE_PAGE_H_
#define VLRNA_PLATFORM_POSIX_POSIX_CODE_PAGE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {

// The Windows ANSI code page of a prefix (1252 unless the prefix says
// otherwise), converting through iconv: code pages whose every byte is one
// character through a table made from it once, the others (932 and the other
// double-byte ones, 65001) call by call.
class PosixCodePage : public AnsiCodePage {
 public:
  // `number` is a Windows code page number (1252, 1250, 932, 65001 ...). A
  // number that iconv does not know falls back to 1252.
  explicit PosixCodePage(uint32_t number = 1252);

  uint32_t number() const override { return number_; }
  std::string AnsiToUtf8(std::string_view ansi) const override;
  std::string Utf8ToAnsi(std::string_view utf8) const override;
  std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) const override;

  // UTF-16 (as the registry holds strings) to ANSI.
  std::string Utf16ToAnsi(std::u16string_view text) const;

 private:
  uint32_t number_;
  std::string charset_;
  std::optional<SingleByteCodePage> single_byte_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_CODE_PAGE_H_
