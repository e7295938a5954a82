#include "platform/single_byte_code_page.h"

#include "platform/unicode_text.h"

namespace vlrna {

SingleByteCodePage::SingleByteCodePage(uint32_t number, const std::array<char32_t, 256>& characters)
    : number_(number), characters_(characters) {
  for (int b = 255; b >= 0; --b) bytes_[characters_[b]] = static_cast<char>(b);
}

std::string SingleByteCodePage::AnsiToUtf8(std::string_view ansi) const {
  std::string out;
  out.reserve(ansi.size());
  for (char c : ansi) AppendUtf8(characters_[static_cast<unsigned char>(c)], out);
  return out;
}

std::string SingleByteCodePage::Utf8ToAnsi(std::string_view utf8) const {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : DecodeUtf8(utf8)) out.push_back(ByteOf(c).value_or('?'));
  return out;
}

std::optional<std::string> SingleByteCodePage::Utf8ToAnsiExactly(std::string_view utf8) const {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t c = 0;
    if (!NextUtf8(utf8, pos, c)) return std::nullopt;
    std::optional<char> byte = ByteOf(c);
    if (!byte) return std::nullopt;
    out.push_back(*byte);
  }
  return out;
}

std::optional<char> SingleByteCodePage::ByteOf(char32_t c) const {
  auto it = bytes_.find(c);
  if (it == bytes_.end()) return std::nullopt;
  return it->second;
}

const SingleByteCodePage& Windows1252() {
  static const SingleByteCodePage* const code_page = [] {
    std::array<char32_t, 256> characters;
    for (int b = 0; b < 256; ++b)
      characters[b] = Windows1252ToUnicode(static_cast<unsigned char>(b));
    return new SingleByteCodePage(1252, characters);
  }();
  return *code_page;
}

}  // namespace vlrna
