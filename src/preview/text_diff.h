#ifndef VLRNA_PREVIEW_TEXT_DIFF_H_
#define VLRNA_PREVIEW_TEXT_DIFF_H_

#include <string>
#include <vector>

namespace vlrna {

// The lines of a text, without their ends ("\r\n" or "\n"). A last line
// without an end is a line too.
std::vector<std::string> SplitLines(const std::string& text);

// A unified diff of two texts' lines with `context` unchanged lines around
// each change: "@@ -a,b +c,d @@" headers, then " ", "-" and "+" lines. Empty
// when the lines are the same. The file headers are the caller's.
std::vector<std::string> UnifiedDiff(const std::vector<std::string>& before,
                                     const std::vector<std::string>& after, int context = 3);

}  // namespace vlrna

#endif  // VLRNA_PREVIEW_TEXT_DIFF_H_
