#ifndef VLRNA_SIMCONFIG_AUTOGEN_RESTORE_H_
#define VLRNA_SIMCONFIG_AUTOGEN_RESTORE_H_

#include <string>
#include <vector>

#include "shell/context.h"

namespace vlrna {

// What the restore did to one autogen description file. Only kNotWritten
// makes a restore fail; missing and unrecognised files are told, not errors.
enum class RestoreOutcome {
  kRestored,       // the package's descriptions were missing and are back
  kUpToDate,       // they were there already; the file is unchanged
  kMissing,        // no such file; nothing done
  kNotRecognised,  // not an autogen description file the patch can handle; unchanged
  kNotWritten,     // reading or replacing the file failed; it is as it was
};

struct RestoredFile {
  std::string path;
  RestoreOutcome outcome = RestoreOutcome::kMissing;
  std::string reason;       // kNotWritten: the error's description
  std::string overwritten;  // kRestored: the bytes the block was written over
};

// The files of one simulator row, in the order they were patched.
struct RestoredSimulator {
  int row = 0;
  std::vector<RestoredFile> files;
};

// The autogen description files of simulator row `row` below its folder
// `folder` (ending in a backslash), in the order the restore patches them:
// AutogenDescriptions.spb, and for Prepar3D v4 then its _Legacy sibling.
std::vector<std::string> AutogenFilesOf(int row, const std::string& folder);

// Applies the autogen patch again to the description files of every simulator
// the discovery found, in table order. A file that cannot be read or written
// is logged with LogError and recorded; the other files still get their turn.
// Never raises a RuntimeError.
std::vector<RestoredSimulator> RestoreAutogenDescriptions(Context& ctx);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_AUTOGEN_RESTORE_H_
