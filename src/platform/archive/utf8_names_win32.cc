#include <archive_entry.h>

#include "platform/archive/utf8_names.h"
#include "platform/unicode_text.h"

namespace vlrna {
namespace {

// UTF-8 as the UTF-16 of Windows' wide strings.
std::wstring Utf16(const std::string& utf8) {
  std::wstring wide;
  for (char32_t c : DecodeUtf8(utf8)) {
    if (c >= 0x10000) {
      c -= 0x10000;
      wide += static_cast<wchar_t>(0xd800 + (c >> 10));
      wide += static_cast<wchar_t>(0xdc00 + (c & 0x3ff));
    } else {
      wide += static_cast<wchar_t>(c);
    }
  }
  return wide;
}

}  // namespace

ScopedUtf8Locale::ScopedUtf8Locale() = default;
ScopedUtf8Locale::~ScopedUtf8Locale() = default;

void SetUtf8Names(archive_entry* entry, const std::string& name, const std::string& link_target) {
  archive_entry_copy_pathname_w(entry, Utf16(name).c_str());
  if (!link_target.empty()) archive_entry_copy_symlink_w(entry, Utf16(link_target).c_str());
}

}  // namespace vlrna
