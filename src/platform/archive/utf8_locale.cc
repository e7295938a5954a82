#include "platform/archive/utf8_locale.h"

#include <locale.h>

namespace vlrna {
namespace {

locale_t Utf8Locale() {
  static locale_t utf8 = [] {
    locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (made == static_cast<locale_t>(0)) {
      made = newlocale(LC_CTYPE_MASK, "C.utf8", static_cast<locale_t>(0));
    }
    return made;
  }();
  return utf8;
}

}  // namespace

ScopedUtf8Locale::ScopedUtf8Locale() {
  if (locale_t utf8 = Utf8Locale(); utf8 != static_cast<locale_t>(0)) previous_ = uselocale(utf8);
}

ScopedUtf8Locale::~ScopedUtf8Locale() {
  if (previous_ != nullptr) uselocale(static_cast<locale_t>(previous_));
}

}  // namespace vlrna
