#ifndef VLRNA_SIMCONFIG_INI_DOCUMENT_H_
#define VLRNA_SIMCONFIG_INI_DOCUMENT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ansi_code_page.h"
#include "simconfig/text_encoding.h"

namespace vlrna {

// One INI-style file ("[section]" lines, "key=value" lines below them) held
// for reading and editing the way the Windows private-profile functions treat
// it:
// - section and key names match without regard to case, after the blanks
//   around them are removed; of duplicate sections, and of duplicate keys in a
//   section, the first is the one read and replaced;
// - a value is read without its surrounding blanks and without one matching
//   pair of surrounding double or single quotes;
// - a line whose first non-blank character is ';' is a comment, a line without
//   '=' is no key; lines before the first section belong to no section.
// Everything an edit does not touch stays byte for byte: comments, blank
// lines, unknown lines, the order, each line's own line end, a missing line
// end at the end of the file, and the encoding (ANSI, or UTF-8 or UTF-16 with
// a byte-order mark). Names and values cross this interface as ANSI text in
// the machine's code page and are converted for UTF-8 and UTF-16 files; the
// code page must outlive the document.
class IniDocument {
 public:
  // An empty ANSI file.
  explicit IniDocument(const AnsiCodePage& code_page) : code_page_(&code_page) {}

  // Takes a file's bytes apart. Never fails: any bytes are some INI file.
  static IniDocument Parse(std::string_view bytes, const AnsiCodePage& code_page);

  // The value of `key` in `section`, or nothing when either is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // Whether a section of that name exists.
  bool HasSection(std::string_view section) const;

  // Gives `key` in `section` the value `value`: an existing key's value is
  // replaced in place (the key's spelling and the blanks after '=' stay); a
  // missing key is added after the last non-blank line of its section; a
  // missing section is added at the end of the file. New lines take the line
  // end of the file's first line (CRLF in a file without one). The caller
  // makes sure no text holds a line break (see IsSafeIniName/IsSafeIniValue).
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // Removes the first section of that name with every line up to the next
  // section header (keys, comments, blank lines). Removes the line of `key`
  // in the first section of that name. Both undo what Set added: when the
  // removed lines ended the file and it ended without a line end, the line
  // now last loses its own, so a file Set grew returns to its bytes. False
  // when there was nothing to remove.
  bool RemoveSection(std::string_view section);
  bool RemoveKey(std::string_view section, std::string_view key);

  // Whether the first section of that name holds any "key=value" line.
  bool SectionHasKeys(std::string_view section) const;

  // The file's bytes as they are now.
  std::string Bytes() const;

  TextEncoding encoding() const { return encoding_; }

 private:
  enum class LineEnd : uint8_t { kNone, kLf, kCrLf, kCr };
  struct Line {
    std::string text;  // without its line end
    LineEnd end = LineEnd::kNone;
  };
  // Lines of one section, its header first; sections_[0] holds the lines
  // before the first header and has no header.
  using Section = std::vector<Line>;

  std::string ToFileText(std::string_view ansi) const;
  const Section* FindSection(std::string_view file_text_name) const;
  void AddSection(Section section);
  void InsertLine(Section& section, size_t after, std::string text);
  Line* LastLine();
  // Index of the first section of a name, or 0 when there is none.
  size_t SectionIndex(std::string_view section) const;
  // The line of `key` in sections_[index], or 0.
  size_t KeyLine(size_t index, std::string_view file_key) const;
  void Reindex();

  const AnsiCodePage* code_page_;
  TextEncoding encoding_ = TextEncoding::kAnsi;
  std::string tail_;
  LineEnd style_ = LineEnd::kCrLf;
  std::vector<Section> sections_ = {Section{}};
  // Lower-cased trimmed name -> index of the first section of that name.
  std::unordered_map<std::string, size_t> first_section_;
};

// Whether a section or key name can be written without changing the file's
// structure: not empty, no line break or zero byte, no '=' in a key, no ']'
// in a section, no '[' or ';' at the start of a key.
bool IsSafeIniSection(std::string_view section);
bool IsSafeIniKey(std::string_view key);
// Whether a value can be written on one line: no line break or zero byte.
bool IsSafeIniValue(std::string_view value);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_INI_DOCUMENT_H_
