#ifndef VLRNA_SIMCONFIG_TEXT_ENCODING_H_
#define VLRNA_SIMCONFIG_TEXT_ENCODING_H_

#include <string>
#include <string_view>

namespace vlrna {

// How a text file stores its characters, as told by its byte-order mark.
enum class TextEncoding {
  kAnsi,     // no mark: one byte per character in the ANSI code page
  kUtf8,     // EF BB BF
  kUtf16Le,  // FF FE
  kUtf16Be,  // FE FF
};

// A text file taken apart for editing. `text` holds the characters after the
// mark: the file's own bytes for ANSI and UTF-8 files; for UTF-16 files the
// 16-bit units as UTF-8, where a unit that is no valid character (a lone
// surrogate) keeps its value in the generalised form, so nothing is lost.
// `tail` is an odd last byte of a UTF-16 file, kept as it was.
struct DecodedText {
  TextEncoding encoding = TextEncoding::kAnsi;
  std::string text;
  std::string tail;
};

// Splits a file's bytes into mark, text and tail. Never fails.
DecodedText DecodeText(std::string_view bytes);

// The file's bytes again: EncodeText(DecodeText(b)) == b for every b.
std::string EncodeText(const DecodedText& decoded);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_TEXT_ENCODING_H_
