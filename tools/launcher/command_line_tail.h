#ifndef VLRNA_TOOLS_LAUNCHER_COMMAND_LINE_TAIL_H_
#define VLRNA_TOOLS_LAUNCHER_COMMAND_LINE_TAIL_H_

#include <string_view>

namespace vlrna {

// What follows the program's own name on a Windows command line, exactly as
// it stands, so that it can be handed on unchanged. The name ends at the
// first blank or tab outside double quotes, as the C run-time reads it; the
// blanks after it are left out.
template <typename Char>
std::basic_string_view<Char> CommandLineTail(std::basic_string_view<Char> line) {
  size_t i = 0;
  bool quoted = false;
  for (; i < line.size(); ++i) {
    if (line[i] == Char('"')) {
      quoted = !quoted;
    } else if (!quoted && (line[i] == Char(' ') || line[i] == Char('\t'))) {
      break;
    }
  }
  while (i < line.size() && (line[i] == Char(' ') || line[i] == Char('\t'))) ++i;
  return line.substr(i);
}

}  // namespace vlrna

#endif  // VLRNA_TOOLS_LAUNCHER_COMMAND_LINE_TAIL_H_
