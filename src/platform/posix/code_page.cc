#include "platform/posix/code_page.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <cerrno>

#include "platform/unicode_text.h"

namespace vlrna {
namespace {

// An iconv descriptor that closes itself.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

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

CodePage::CodePage(uint32_t number) : number_(number) {
  iconv_name_ = number == 65001 ? "UTF-8" : "CP" + std::to_string(number);
  if (!Iconv("UTF-32LE", iconv_name_.c_str()).ok()) {
    number_ = 1252;
    iconv_name_ = "CP1252";
  }
  // Code pages whose every byte is one character convert through tables.
  Iconv probe("UTF-32LE", iconv_name_.c_str());
  single_byte_ = number_ != 65001;
  for (int b = 0; b < 256 && single_byte_; ++b) {
    char in = static_cast<char>(b);
    char32_t out = 0;
    char* in_ptr = &in;
    char* out_ptr = reinterpret_cast<char*>(&out);
    size_t in_left = 1, out_left = sizeof out;
    iconv(probe.get(), nullptr, nullptr, nullptr, nullptr);
    size_t r = iconv(probe.get(), &in_ptr, &in_left, &out_ptr, &out_left);
    if (r == static_cast<size_t>(-1) && errno == EINVAL) {
      single_byte_ = false;  // a lead byte of a double-byte code page
    } else {
      // Bytes without a character keep their value, as Windows maps them.
      to_unicode_[b] = r == static_cast<size_t>(-1) ? static_cast<char32_t>(b) : out;
    }
  }
  if (single_byte_) {
    for (int b = 255; b >= 0; --b) from_unicode_[to_unicode_[b]] = static_cast<char>(b);
  }
}

std::string CodePage::Convert(std::string_view text, const char* from, const char* to) const {
  Iconv cd(to, from);
  std::string out;
  if (!cd.ok()) return std::string(text);
  std::string in(text);
  char* in_ptr = in.data();
  size_t in_left = in.size();
  char buffer[4096];
  while (in_left > 0) {
    char* out_ptr = buffer;
    size_t out_left = sizeof buffer;
    size_t r = iconv(cd.get(), &in_ptr, &in_left, &out_ptr, &out_left);
    out.append(buffer, out_ptr);
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // An unconvertible or broken sequence: one '?' for it, then go on.
      out.push_back('?');
      ++in_ptr;
      --in_left;
    }
  }
  return out;
}

std::string CodePage::AnsiToUtf8(std::string_view ansi) const {
  if (number_ == 65001) return std::string(ansi);
  if (!single_byte_) return Convert(ansi, iconv_name_.c_str(), "UTF-8");
  std::u32string wide;
  wide.reserve(ansi.size());
  for (char c : ansi) wide.push_back(to_unicode_[static_cast<unsigned char>(c)]);
  return EncodeUtf8(wide);
}

std::string CodePage::Utf8ToAnsi(std::string_view utf8) const {
  if (number_ == 65001) return std::string(utf8);
  if (!single_byte_) return Convert(utf8, "UTF-8", iconv_name_.c_str());
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : DecodeUtf8(utf8)) {
    auto it = from_unicode_.find(c);
    out.push_back(it == from_unicode_.end() ? '?' : it->second);
  }
  return out;
}

std::string CodePage::Utf16ToAnsi(std::u16string_view text) const {
  std::u32string wide;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    wide.push_back(c);
  }
  return Utf8ToAnsi(EncodeUtf8(wide));
}

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
