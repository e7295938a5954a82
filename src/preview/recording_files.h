#ifndef VLRNA_PREVIEW_RECORDING_FILES_H_
#define VLRNA_PREVIEW_RECORDING_FILES_H_

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vlrna {

// One file a preview would have changed: its bytes before (none when it did
// not exist) and after (none when it would be deleted).
struct RecordedChange {
  std::string path;  // as the first write named it
  std::optional<std::string> before;
  std::optional<std::string> after;
  std::string copied_from;  // when the last write was a copy of that file
};

// The file system as a preview sees it: reads go to the machine's files
// with the preview's own writes laid over them, so the code reads back what
// it wrote; writes are kept in memory and reach no disk. Writes to the paths
// `pass_through` accepts (the log) go to the machine's files.
class RecordingFiles : public Files {
 public:
  RecordingFiles(Files& real, std::function<bool(const std::string& path)> pass_through);

  // The files written, in the order they were first written; files written
  // back to their old bytes are left out.
  std::vector<RecordedChange> Changes() const;
  // The folders that would be created, in order.
  const std::vector<std::string>& CreatedFolders() const { return created_folders_; }
  // The folders that would be removed, in order.
  const std::vector<std::string>& RemovedFolders() const { return removed_folders_; }

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
  // A deleted file reads as missing and shows as a change without bytes
  // after; a removed folder reads as missing.
  bool DeleteFile(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& path) override;

 private:
  struct Overlay {
    std::string path;
    std::optional<std::string> before;
    std::optional<std::string> now;
    std::string copied_from;
    uint64_t generation = 0;
  };

  static std::string Key(const std::string& path);
  // The overlay of `path`, made from the machine's file on first use.
  Overlay& Touch(const std::string& path);
  const Overlay* Find(const std::string& path) const;
  // The folder of `path` must exist, as on the machine.
  void RequireFolderOf(const std::string& path);

  Files& real_;
  std::function<bool(const std::string&)> pass_through_;
  std::map<std::string, Overlay> overlays_;
  std::vector<std::string> order_;
  std::vector<std::string> created_folders_;
  std::set<std::string> created_keys_;
  std::vector<std::string> removed_folders_;
  std::set<std::string> removed_keys_;
  uint64_t generation_ = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PREVIEW_RECORDING_FILES_H_
