#ifndef VLRNA_PLATFORM_ARCHIVE_ZIP_LAYOUT_H_
#define VLRNA_PLATFORM_ARCHIVE_ZIP_LAYOUT_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/archive/zip_reader.h"

namespace vlrna {

// An archive entry refused by the layout check: its name as stored, shown
// with every byte outside printable ASCII escaped, and why.
struct LayoutRefusal {
  std::string entry;
  std::string why;
};

// Holds the central directory of the zip file `native` against the entries
// the reader yielded from it (`entries`, in its order) before anything is
// unpacked. Refuses names that hold a NUL (which the reader cuts short),
// names flagged as UTF-8 that are not UTF-8, entries that share or overlap
// their data, and directory entries the reader never yields. An archive
// whose directory this check cannot read itself passes: the reader decides.
// Returns the refusal, or nothing.
std::optional<LayoutRefusal> CheckZipLayout(const std::string& native,
                                            const std::vector<ZipEntry>& entries);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ZIP_LAYOUT_H_
