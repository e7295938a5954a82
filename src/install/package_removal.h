#ifndef VLRNA_INSTALL_PACKAGE_REMOVAL_H_
#define VLRNA_INSTALL_PACKAGE_REMOVAL_H_

#include <optional>
#include <string>
#include <vector>

#include "install/install_record.h"
#include "shell/context.h"
#include "simconfig/autogen_restore.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// The package as it is installed in one simulator: found through the
// package's areas in the simulator's scenery library, the way the search for
// an earlier installation finds it.
struct InstalledPackage {
  int row = -1;
  std::string simulator_folder;  // ends in a backslash
  std::string scenery_cfg;
  std::string simulator_cfg;
  std::string package_folder;  // ends in "vlrna\"
  std::vector<int> areas;      // the package's areas in the library now
};

// What a removal from one simulator came to.
struct RemovalReport {
  int row = -1;
  bool had_record = false;
  std::vector<std::string> removed;   // what was taken out or put back
  std::vector<std::string> kept;      // what stays, each with why
  std::vector<std::string> failures;  // steps that failed, with the error
  bool done() const { return failures.empty(); }
};

// The found simulators (only `only_row` when given) whose scenery library
// holds at least one of the package's areas, in table order. Never raises.
std::vector<InstalledPackage> FindInstalledPackages(Context& ctx, IniService& ini,
                                                    std::optional<int> only_row);

// Undoes the installation of the package in one simulator, using its
// installation record where there is one. In this order: the unpacked files
// (deleted while they keep their recorded size and time; the files the
// installation replaced put back), the package's records in the autogen
// description files, the terrain setting (back to its earlier value while it
// still holds the installed one), then, when everything before went well,
// the record and the folders that are left empty, and last the package's
// areas in the scenery library (after a backup beside it). Every step is
// logged; every edit of a file is atomic. A removal that failed or was
// killed part-way can be run again and finishes the job: the areas go last,
// so a second run still finds the package. Never raises a RuntimeError: a
// failed step is logged and listed in the report.
RemovalReport RemovePackage(Context& ctx, IniService& ini, const InstalledPackage& installed);

// Notes in the installation record of each simulator that `restored`
// patched again which files were patched and the bytes under the block, so
// that a removal takes those out too. A simulator without a record is passed
// over; a record that cannot be written is logged. Never raises.
void RecordRestoredAutogen(Context& ctx, IniService& ini,
                           const std::vector<RestoredSimulator>& restored);

// The removal's backup of the scenery library `cfg`: a name of its own, so
// it never overwrites the installation's cfg + ".vlrna.bak".
std::string RemovalBackupOf(const std::string& cfg);

}  // namespace vlrna

#endif  // VLRNA_INSTALL_PACKAGE_REMOVAL_H_
