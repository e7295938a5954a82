#ifndef VLRNA_PREVIEW_CHANGE_SUMMARY_H_
#define VLRNA_PREVIEW_CHANGE_SUMMARY_H_

#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "preview/preview_zip.h"
#include "preview/recording_files.h"

namespace vlrna {

// What a preview found the run would do, as UTF-8 lines for a person: the
// archives and bytes it would unpack, the folders it would create, and per
// file what would be added, changed or removed: a unified diff of a text
// file (with the terrain setting's value before and after), the package's
// descriptions and the bytes replaced in an autogen description file, the
// size of any other file.
std::vector<std::string> DescribeChanges(const RecordingFiles& files,
                                         const std::vector<PlannedUnpack>& unpacks,
                                         const AnsiCodePage& code_page);

}  // namespace vlrna

#endif  // VLRNA_PREVIEW_CHANGE_SUMMARY_H_
