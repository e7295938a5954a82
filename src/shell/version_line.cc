#include "shell/version_line.h"

namespace vlrna {

std::string VersionLine(const ProgramVersion& v) {
  return v.file_description + " v" + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
         std::to_string(v.revision) + "  \xA9 2026 Veltrona Scenery";
}

}  // namespace vlrna
