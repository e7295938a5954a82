#ifndef VLRNA_PREVIEW_CHANGE_SUMMARY_H_
#define VLRNA_PREVIEW_CHANGE_SUMMARY_H_

#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "preview/preview_zip.h"
#include "preview/recording_files.h"
#include "shell/program_state.h"

namespace vlrna {

// The words of a summary, with their placeholders. The defaults are the
// fixed English of the command line; the graphical wizard takes them from
// the message file (SummaryPhrasesFromCatalogue).
struct SummaryPhrases {
  std::string unpack = "Unpack: %ARCHIVE% into %FOLDER% (%FILES% files, %MB% MB)";
  std::string in_all = "Unpacked in all: %COUNT% archives, %FILES% files, %MB% MB";
  std::string new_folder = "New folder: %PATH%";
  std::string removed_folder = "Removed folder: %PATH%";
  std::string new_file = "New file: %PATH% (%BYTES% bytes)";
  std::string new_copy = "New file: %PATH% (%BYTES% bytes), a copy of %SOURCE%";
  std::string changed = "Changed: %PATH%";
  std::string deleted = "Deleted: %PATH% (%BYTES% bytes)";
  std::string descriptions = "descriptions of the package: %BEFORE% -> %AFTER%";
  std::string bytes_replaced = "at offset %OFFSET%: %OLD% bytes replaced by %NEW% bytes";
  std::string nothing = "Nothing would change.";
  char decimal_point = '.';
};

// The phrases of the message file loaded (entries 78 to 87) as UTF-8, with
// the decimal separator of its language.
SummaryPhrases SummaryPhrasesFromCatalogue(const ProgramState& state,
                                           const AnsiCodePage& code_page);

// What a preview found the run would do, as UTF-8 lines for a person: the
// archives and bytes it would unpack, the folders it would create, and per
// file what would be added, changed or removed: a unified diff of a text
// file (with the terrain setting's value before and after), the package's
// descriptions and the bytes replaced in an autogen description file, the
// size of any other file.
std::vector<std::string> DescribeChanges(const RecordingFiles& files,
                                         const std::vector<PlannedUnpack>& unpacks,
                                         const AnsiCodePage& code_page,
                                         const SummaryPhrases& phrases = {});

}  // namespace vlrna

#endif  // VLRNA_PREVIEW_CHANGE_SUMMARY_H_
