#ifndef VLRNA_PLATFORM_POSIX_NAME_CASE_H_
#define VLRNA_PLATFORM_POSIX_NAME_CASE_H_

#include <string>
#include <string_view>

namespace vlrna {

// A UTF-8 text with every letter in its small form, the way Windows folds
// names to compare them without regard to case.
std::string FoldCase(std::string_view utf8);

// Whether two UTF-8 names are the same when letter case is ignored, the way
// Windows compares file names (full Unicode simple case folding).
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_NAME_CASE_H_
