#include "platform/win32/win32_code_page.h"

#include "platform/unicode_text.h"
#include "platform/win32/windows_api.h"

namespace vlrna {
namespace {

std::wstring ToWide(std::u32string_view text) {
  std::wstring wide;
  for (char32_t c : text) {
    if (c >= 0x10000) {
      wide += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      wide += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      wide += static_cast<wchar_t>(c);
    }
  }
  return wide;
}

// `wide` in the code page; `lossless` tells whether every character had a place.
std::string FromWide(uint32_t code_page, const std::wstring& wide, bool* lossless) {
  if (wide.empty()) return "";
  BOOL used_default = FALSE;
  const bool may_ask = code_page != CP_UTF8 && code_page != CP_UTF7;
  BOOL* ask = may_ask ? &used_default : nullptr;
  int size = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                 0, nullptr, ask);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                      nullptr, ask);
  if (lossless != nullptr) *lossless = size > 0 && !used_default;
  return out;
}

}  // namespace

Win32CodePage::Win32CodePage(uint32_t number) : number_(number != 0 ? number : GetACP()) {}

std::string Win32CodePage::AnsiToUtf8(std::string_view ansi) const {
  if (ansi.empty()) return "";
  const int count = static_cast<int>(ansi.size());
  int size = MultiByteToWideChar(number_, 0, ansi.data(), count, nullptr, 0);
  std::wstring wide(static_cast<size_t>(size > 0 ? size : 0), L'\0');
  MultiByteToWideChar(number_, 0, ansi.data(), count, wide.data(), size);
  return FromWide(CP_UTF8, wide, nullptr);
}

std::string Win32CodePage::Utf8ToAnsi(std::string_view utf8) const {
  return FromWide(number_, ToWide(DecodeUtf8(utf8)), nullptr);
}

std::optional<std::string> Win32CodePage::Utf8ToAnsiExactly(std::string_view utf8) const {
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t c;
    if (!NextUtf8(utf8, pos, c)) return std::nullopt;
  }
  bool lossless = false;
  std::string ansi = FromWide(number_, ToWide(DecodeUtf8(utf8)), &lossless);
  if (!utf8.empty() && !lossless) return std::nullopt;
  return ansi;
}

}  // namespace vlrna
