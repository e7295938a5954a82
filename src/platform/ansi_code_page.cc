#include "platform/ansi_code_page.h"

namespace vlrna {

std::string Recode(std::string_view text, const AnsiCodePage& from, const AnsiCodePage& to) {
  if (from.number() == to.number()) return std::string(text);
  return to.Utf8ToAnsi(from.AnsiToUtf8(text));
}

std::string CharsetName(uint32_t number) {
  return number == 65001 ? "UTF-8" : "CP" + std::to_string(number);
}

}  // namespace vlrna
