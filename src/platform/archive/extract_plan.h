#ifndef VLRNA_PLATFORM_ARCHIVE_EXTRACT_PLAN_H_
#define VLRNA_PLATFORM_ARCHIVE_EXTRACT_PLAN_H_

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/archive/zip_reader.h"

namespace vlrna {

// Maps a Windows path (8-bit text) to the path of the same file on this
// machine; "" when the path has no place here.
using PathMapper = std::function<std::string(const std::string& windows_path)>;

// One file entry to unpack: its position among the archive's entries, the
// header the scan saw, and where it goes.
struct PlannedFile {
  size_t index = 0;
  const ZipEntry* entry = nullptr;
  std::string windows_path;
  std::string native_path;
};

// What one worker unpacks: two lanes of files, each in archive order, which
// it advances side by side.
struct WorkerPlan {
  std::array<std::vector<PlannedFile>, 2> lanes;
  bool empty() const { return lanes[0].empty() && lanes[1].empty(); }
};

// What an extraction will do, decided before anything is written.
struct ExtractPlan {
  std::vector<std::string> native_folders;  // to exist before the files are written
  std::vector<WorkerPlan> work;             // one per worker
};

// Plans the unpacking of `entries` (in archive order) below `destination`
// with `workers` workers. Refuses the whole archive when one entry's name
// would leave the destination or the entry is a link or a device; then
// `error` tells which entry and why. Entries that land on the same file go to
// the same lane, so the later one wins as it would unpacked in order. The
// lanes are balanced by size, largest first.
bool PlanExtraction(const std::string& archive_path, const std::vector<ZipEntry>& entries,
                    const std::string& destination, const PathMapper& map_path, int workers,
                    ExtractPlan& plan, std::string& error);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_EXTRACT_PLAN_H_
