#ifndef VLRNA_INSTALL_ARCHIVE_SEARCH_H_
#define VLRNA_INSTALL_ARCHIVE_SEARCH_H_

#include <cstdint>
#include <optional>
#include <string>

#include "platform/zip.h"
#include "shell/context.h"

namespace vlrna {

// Looks for the archive file `name` ("setup.203") where the installation set
// can be: in the launcher's folder gsSourcePath, and failing that on every
// ready CD-ROM drive of gsCdDrives, of which the last one in the list that
// has it wins. A drive is named by the first two characters of its entry
// ("E:" of "E: [DVD_DATA]"); a drive that is not ready is not looked into.
// Returns the archive's path, or nullopt when it is nowhere. Raises the
// RuntimeError of a drive query that fails.
std::optional<std::string> FindArchive(Context& ctx, const std::string& name);

// The zip library of the platform. Raises RuntimeError 53 when the platform
// has none.
Zip& ZipLibrary(Context& ctx);

// The unpacked size of archive `name` if it can be found now without asking
// the user: found, opened, its size read and closed again. nullopt when it is
// not there, cannot be opened, or the search fails. Never raises.
std::optional<uint64_t> ReadArchiveTotal(Context& ctx, const std::string& name);

}  // namespace vlrna

#endif  // VLRNA_INSTALL_ARCHIVE_SEARCH_H_
