#include "platform/posix/name_case.h"

#include <locale.h>
#include <wctype.h>

#include "platform/unicode_text.h"

namespace vlrna {
namespace {

// A locale with the full Unicode case tables, made once.
locale_t UnicodeLocale() {
  static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return locale;
}

char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(nullptr)) return c;
  return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
}

}  // namespace

std::string FoldCase(std::string_view utf8) {
  bool ascii = true;
  for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    std::string out(utf8);
    for (char& c : out) c = static_cast<char>(Fold(static_cast<unsigned char>(c)));
    return out;
  }
  std::u32string wide = DecodeUtf8(utf8);
  for (char32_t& c : wide) c = Fold(c);
  return EncodeUtf8(wide);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() == b.size() && a == b) return true;
  std::u32string x = DecodeUtf8(a), y = DecodeUtf8(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i) {
    if (Fold(x[i]) != Fold(y[i])) return false;
  }
  return true;
}

}  // namespace vlrna
