#ifndef VLRNA_PLATFORM_POSIX_CODE_PAGE_H_
#define VLRNA_PLATFORM_POSIX_CODE_PAGE_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vlrna {

// The Windows ANSI code page of a prefix (1252 unless the prefix says
// otherwise), and the conversions of texts between it and the UTF-8 of the
// Unix side. A character that the other side cannot hold becomes '?', as the
// Windows conversions make it; nothing is ever dropped.
class CodePage {
 public:
  // `number` is a Windows code page number (1252, 1250, 932, 65001 ...). A
  // number that iconv does not know falls back to 1252.
  explicit CodePage(uint32_t number = 1252);

  uint32_t number() const { return number_; }

  std::string AnsiToUtf8(std::string_view ansi) const;
  std::string Utf8ToAnsi(std::string_view utf8) const;

  // UTF-16 (as the registry holds strings) to ANSI.
  std::string Utf16ToAnsi(std::u16string_view text) const;

 private:
  std::string Convert(std::string_view text, const char* from, const char* to) const;

  uint32_t number_;
  std::string iconv_name_;
  // Single-byte code pages convert through tables; the others through iconv.
  bool single_byte_ = false;
  std::array<char32_t, 256> to_unicode_{};
  std::unordered_map<char32_t, char> from_unicode_;
};

// A UTF-8 text with every letter in its small form, the way Windows folds
// names to compare them without regard to case.
std::string FoldCase(std::string_view utf8);

// Whether two UTF-8 names are the same when letter case is ignored, the way
// Windows compares file names (full Unicode simple case folding).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_CODE_PAGE_H_
