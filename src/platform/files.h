#ifndef VLRNA_PLATFORM_FILES_H_
#define VLRNA_PLATFORM_FILES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vlrna {

// What identifies one version of a file on disk: a reader that saw the same
// stamp before may trust what it parsed then.
struct FileStamp {
  bool exists = false;
  uint64_t identity = 0;  // inode or file index
  uint64_t size = 0;
  int64_t modified_ns = 0;

  bool operator==(const FileStamp&) const = default;
};

// The file system, seen through Windows paths ("C:\FSX\Scenery.cfg"): the
// backends map them to the machine's own. Names and contents are bytes in the
// system's ANSI code page. Every failing operation raises a RuntimeError whose
// description names the file (53 File not found, 76 Path not found,
// 70 Permission denied, 61 Disk full, 75 Path/File access error).
class Files {
 public:
  virtual ~Files() = default;

  // True when `path` names a normal file: not a folder, not hidden, not a
  // system file. Never raises.
  virtual bool NormalFileExists(const std::string& path) = 0;

  // True when `path` names a folder. Never raises.
  virtual bool FolderExists(const std::string& path) = 0;

  // The names (not paths) of the subfolders of `path`, sorted without regard
  // to case. Raises when the folder cannot be listed.
  virtual std::vector<std::string> ListSubfolders(const std::string& path) = 0;

  // Creates a folder and every missing parent.
  virtual void CreateFolders(const std::string& path) = 0;

  // The whole content of a file.
  virtual std::string ReadFile(const std::string& path) = 0;

  // Up to `count` bytes from `offset`; fewer at the end of the file.
  virtual std::string ReadAt(const std::string& path, uint64_t offset, size_t count) = 0;

  // Writes `bytes` at `offset`, creating the file when it is missing and
  // growing it as needed.
  virtual void WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) = 0;

  // Appends `bytes` to a file, creating it when it is missing. The file is
  // opened and closed within the call.
  virtual void AppendToFile(const std::string& path, std::string_view bytes) = 0;

  // Copies a file, replacing an existing target.
  virtual void CopyFile(const std::string& from, const std::string& to) = 0;

  // Replaces the content of `path` as one step: the bytes go to a temporary
  // file beside it, reach the disk, and are renamed over the original, whose
  // permissions they keep. A failure at any moment leaves the old file whole.
  // The folder must exist; the file need not.
  virtual void ReplaceFileAtomically(const std::string& path, std::string_view content) = 0;

  // The stamp of a file; exists is false when there is none. Never raises.
  virtual FileStamp Stamp(const std::string& path) = 0;

  // Deletes the file `path`. True when it was deleted, false when there was
  // no file of that name (a missing file is no error). A folder is refused,
  // and so is a read-only file (70), as Windows refuses them.
  virtual bool DeleteFile(const std::string& path) = 0;

  // Removes the folder `path` when it holds nothing. True when it was
  // removed; false when it is missing or not empty, which are no errors.
  virtual bool RemoveEmptyFolder(const std::string& path) = 0;

  // The names (not paths) of the files (not folders) in the folder `path`,
  // sorted without regard to case. Raises when the folder cannot be listed.
  virtual std::vector<std::string> ListFiles(const std::string& path) = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FILES_H_
