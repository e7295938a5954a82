#ifndef VLRNA_INSTALL_INSTALL_SEQUENCE_H_
#define VLRNA_INSTALL_INSTALL_SEQUENCE_H_

#include <cstddef>
#include <functional>
#include <string>

#include "install/install_recorder.h"
#include "platform/page_model.h"
#include "shell/context.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// Message box ids of the installation's error trap: a run-time error while an
// archive is unpacked, and one in a configuration edit.
inline constexpr char kInstallStepErrorBox[] = "install-step-error";
inline constexpr char kInstallEditErrorBox[] = "install-edit-error";

// The archive the simulator's own folder receives; the others go to the
// folder above the package folder.
inline constexpr char kSimulatorArchive[] = "setup.105";

// Unpacks archive number `index` (0 to 8, in the order of kArchiveKeyUses):
// the page's ExtractArchive. Returns true when it failed.
using ArchiveExtractor =
    std::function<bool(size_t index, const std::string& name, const std::string& password,
                       const std::string& destination)>;

// The installation: the nine archives in order, each announced in the page's
// Lab1 by entry 33 and " (n/9)" and logged, then the scenery library, the
// autogen descriptions and the terrain setting (Lab1 entry 42; entry 34 at
// the end). Run-time errors are trapped: logged and shown in a box titled
// with entry 23. One while an archive is unpacked, like a failed archive,
// ends the program with "Error extracting file!". One in an edit does not stop
// the edits after it: gbEditFailed is set and the failed edit logged.
// `recorder`, when given, hears what each edit did and of every finished
// step; the caller lets it hear of the archives.
void RunInstallation(Context& ctx, IniService& ini, Page& page, const ArchiveExtractor& extract,
                     InstallRecorder* recorder = nullptr);

}  // namespace vlrna

#endif  // VLRNA_INSTALL_INSTALL_SEQUENCE_H_
