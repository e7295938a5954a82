#include "platform/posix/posix_code_page.h"

#include <iconv.h>

#include <array>
#include <cerrno>

#include "platform/unicode_text.h"

namespace vlrna {
namespace {

// An iconv descriptor that closes itself.
class Iconv {
 public:
  Iconv(const std::string& to, const std::string& from)
      : cd_(iconv_open(to.c_str(), from.c_str())) {}
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

// `text` converted; a sequence iconv cannot convert becomes one '?' and
// clears `exact`.
std::string Convert(std::string_view text, const std::string& from, const std::string& to,
                    bool& exact) {
  Iconv cd(to, from);
  if (!cd.ok()) return std::string(text);
  std::string in(text), out;
  char* in_ptr = in.data();
  size_t in_left = in.size();
  char buffer[4096];
  while (in_left > 0) {
    char* out_ptr = buffer;
    size_t out_left = sizeof buffer;
    size_t r = iconv(cd.get(), &in_ptr, &in_left, &out_ptr, &out_left);
    out.append(buffer, out_ptr);
    if (r != static_cast<size_t>(-1) && r > 0) exact = false;  // converted, but not reversibly
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // One '?' for the character, not one for each of its UTF-8 bytes.
      size_t skip = 1;
      if (from == "UTF-8") {
        skip = 0;
        char32_t c = 0;
        NextUtf8(std::string_view(in_ptr, in_left), skip, c);
      }
      out.push_back('?');
      exact = false;
      in_ptr += skip;
      in_left -= skip;
    }
  }
  return out;
}

// The characters of the 256 bytes of a code page, or nothing when one of
// them leads a sequence of several bytes. A byte without a character keeps
// its value, as Windows maps it.
std::optional<std::array<char32_t, 256>> SingleByteTable(const std::string& charset) {
  Iconv probe("UTF-32LE", charset);
  std::array<char32_t, 256> table{};
  for (int b = 0; b < 256; ++b) {
    char in = static_cast<char>(b);
    char32_t out = 0;
    char* in_ptr = &in;
    char* out_ptr = reinterpret_cast<char*>(&out);
    size_t in_left = 1, out_left = sizeof out;
    iconv(probe.get(), nullptr, nullptr, nullptr, nullptr);
    size_t r = iconv(probe.get(), &in_ptr, &in_left, &out_ptr, &out_left);
    if (r == static_cast<size_t>(-1) && errno == EINVAL) return std::nullopt;  // a lead byte
    table[b] = r == static_cast<size_t>(-1) ? static_cast<char32_t>(b) : out;
  }
  return table;
}

}  // namespace

PosixCodePage::PosixCodePage(uint32_t number) : number_(number), charset_(CharsetName(number)) {
  if (!Iconv("UTF-32LE", charset_).ok()) {
    number_ = 1252;
    charset_ = CharsetName(number_);
  }
  if (number_ == 65001) return;
  if (std::optional<std::array<char32_t, 256>> table = SingleByteTable(charset_)) {
    single_byte_.emplace(number_, *table);
  }
}

std::string PosixCodePage::AnsiToUtf8(std::string_view ansi) const {
  if (single_byte_) return single_byte_->AnsiToUtf8(ansi);
  if (number_ == 65001) return std::string(ansi);
  bool exact = true;
  return Convert(ansi, charset_, "UTF-8", exact);
}

std::string PosixCodePage::Utf8ToAnsi(std::string_view utf8) const {
  if (single_byte_) return single_byte_->Utf8ToAnsi(utf8);
  if (number_ == 65001) return std::string(utf8);
  // Stray bytes are taken for the characters of their value first, as the
  // single-byte code pages take them.
  bool exact = true;
  return Convert(EncodeUtf8(DecodeUtf8(utf8)), "UTF-8", charset_, exact);
}

std::optional<std::string> PosixCodePage::Utf8ToAnsiExactly(std::string_view utf8) const {
  if (single_byte_) return single_byte_->Utf8ToAnsiExactly(utf8);
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t c = 0;
    if (!NextUtf8(utf8, pos, c)) return std::nullopt;
  }
  if (number_ == 65001) return std::string(utf8);
  bool exact = true;
  std::string ansi = Convert(utf8, "UTF-8", charset_, exact);
  if (!exact) return std::nullopt;
  return ansi;
}

std::string PosixCodePage::Utf16ToAnsi(std::u16string_view text) const {
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

}  // namespace vlrna
