#include <archive_entry.h>
#include <locale.h>

#include "platform/archive/utf8_names.h"

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

void SetUtf8Names(archive_entry* entry, const std::string& name, const std::string& link_target) {
  archive_entry_set_pathname_utf8(entry, name.c_str());
  if (!link_target.empty()) archive_entry_set_symlink_utf8(entry, link_target.c_str());
}

}  // namespace vlrna
