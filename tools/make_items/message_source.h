#ifndef VLRNA_TOOLS_MAKE_ITEMS_MESSAGE_SOURCE_H_
#define VLRNA_TOOLS_MAKE_ITEMS_MESSAGE_SOURCE_H_

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vlrna {

// A fault in a source file, located for the person who edits it. what()
// reads "file:line:column: message" (column 0 when the whole line is meant).
class SourceError : public std::runtime_error {
 public:
  SourceError(const std::string& file, std::size_t line, std::size_t column,
              const std::string& message);
};

// The most texts a message file may hold: the wizard keeps 100.
inline constexpr std::size_t kMaxMessageTexts = 100;

// Reads the readable source of a message file (UTF-8):
//   - a line "[n]" starts text n; texts come in order 1, 2, 3, ... without a gap;
//   - the lines up to the next "[n]" are the text, joined by CR LF; blank lines
//     at its start and end and blanks at the end of each line are dropped, so
//     an empty text is a "[n]" line followed directly by the next one;
//   - a line that starts with "#" is a comment, wherever it stands;
//   - before "[1]" only comments and blank lines may stand; a UTF-8 byte order
//     mark at the start is skipped; line ends may be LF or CR LF.
// Returns the texts in code page 1252, element i holding text i + 1. Throws
// SourceError naming `file_name`, the line and the column of the first fault.
std::vector<std::string> ParseMessageSource(std::string_view source, const std::string& file_name);

// The bytes of a message file: per text 0x01, the text, 0x02 and CR LF (the
// line break only keeps the file readable in an editor), then 0x03.
std::string RenderMessageFile(const std::vector<std::string>& texts);

// Turns a plain UTF-8 text file (a licence) into code page 1252 with every
// line, the last one included, ending in CR LF. A byte order mark is skipped.
// Throws SourceError on a character 1252 cannot hold.
std::string ConvertPlainText(std::string_view source, const std::string& file_name);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_MAKE_ITEMS_MESSAGE_SOURCE_H_
