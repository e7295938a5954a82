#ifndef VLRNA_BENCH_SCENERY_BENCH_DISK_FILES_H_
#define VLRNA_BENCH_SCENERY_BENCH_DISK_FILES_H_

#include <string>

#include "platform/files.h"

namespace vlrna {

// A bare real-disk Files for the benchmark only, until the Linux backend can
// be used: "C:\a\b" is `root`/a/b, no drive letters, no name case folding.
// It does what the cost of a registration depends on as the real backends do
// it: stat for stamps, whole-file reads, copies, and atomic replacement
// through a temporary file that is synced before it is renamed over the
// original. `sync` false leaves the sync out, to see what the rest costs.
// Operations the benchmark does not use raise RuntimeError 5.
class BenchDiskFiles : public Files {
 public:
  explicit BenchDiskFiles(std::string root, bool sync = true)
      : root_(std::move(root)), sync_(sync) {}

  std::string UnixPath(const std::string& windows_path) const;

  bool NormalFileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::vector<std::string> ListSubfolders(const std::string& path) override;
  void CreateFolders(const std::string& path) override;
  std::string ReadFile(const std::string& path) override;
  std::string ReadAt(const std::string& path, uint64_t offset, size_t count) override;
  void WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) override;
  void AppendToFile(const std::string& path, std::string_view bytes) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  void ReplaceFileAtomically(const std::string& path, std::string_view content) override;
  FileStamp Stamp(const std::string& path) override;

 private:
  std::string root_;
  bool sync_;
};

}  // namespace vlrna

#endif  // VLRNA_BENCH_SCENERY_BENCH_DISK_FILES_H_
