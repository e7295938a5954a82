#ifndef VLRNA_PLATFORM_WIN32_WIN32_CODE_PAGE_H_
#define VLRNA_PLATFORM_WIN32_WIN32_CODE_PAGE_H_

#include <cstdint>
#include <string>

#include "platform/ansi_code_page.h"

namespace vlrna {

// The system's ANSI code page (GetACP), converted by Windows itself.
class Win32CodePage : public AnsiCodePage {
 public:
  // `number` 0 takes the system's.
  explicit Win32CodePage(uint32_t number = 0);

  uint32_t number() const override { return number_; }
  std::string AnsiToUtf8(std::string_view ansi) const override;
  std::string Utf8ToAnsi(std::string_view utf8) const override;
  std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) const override;

 private:
  uint32_t number_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_CODE_PAGE_H_
