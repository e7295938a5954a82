#include "install/archive_search.h"

#include <cstdlib>

#include "platform/runtime_error.h"
#include "shell/message_catalogue.h"
#include "shell/shared_helpers.h"

namespace vlrna {

std::optional<std::string> FindArchive(Context& ctx, const std::string& name) {
  const ProgramState& s = ctx.state;
  const std::string beside_launcher = s.gsSourcePath + "\\" + name;
  if (FileExists(ctx, beside_launcher)) return beside_launcher;
  std::optional<std::string> found;
  const int count = std::atoi(s.gsCdDrives[0].c_str());
  for (int i = 1; i <= count && i < static_cast<int>(s.gsCdDrives.size()); ++i) {
    // The entry may carry the volume label after the drive; only the drive
    // itself makes a path.
    const std::string drive = s.gsCdDrives[i].substr(0, 2);
    if (!DriveIsReady(ctx, drive)) continue;
    const std::string path = drive + "\\" + name;
    if (FileExists(ctx, path)) found = path;
  }
  return found;
}

Zip& ZipLibrary(Context& ctx) {
  if (ctx.platform.zip == nullptr) {
    throw RuntimeError(kErrFileNotFound, "File not found: the zip library", "tsuz_declarations");
  }
  return *ctx.platform.zip;
}

std::optional<uint64_t> ReadArchiveTotal(Context& ctx, const std::string& name) {
  try {
    std::optional<std::string> path = FindArchive(ctx, name);
    if (!path) return std::nullopt;
    Zip& zip = ZipLibrary(ctx);
    if (zip.zOpenZipFile(*path) != 0) return std::nullopt;
    const uint64_t total = zip.zGetTotalBytes();
    zip.zCloseZipFile();
    return total;
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

}  // namespace vlrna
