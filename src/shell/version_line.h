#ifndef VLRNA_SHELL_VERSION_LINE_H_
#define VLRNA_SHELL_VERSION_LINE_H_

#include <string>

#include "platform/system.h"

namespace vlrna {

// The version line of the welcome and options pages:
// "<description> v<major>.<minor>.<revision>" and the maker line.
std::string VersionLine(const ProgramVersion& version);

}  // namespace vlrna

#endif  // VLRNA_SHELL_VERSION_LINE_H_
