#ifndef VLRNA_PLATFORM_WIN32_WIN32_FILES_H_
#define VLRNA_PLATFORM_WIN32_WIN32_FILES_H_

#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vlrna {

// The file system through the ANSI Win32 calls: paths are the machine's own.
class Win32Files : public Files {
 public:
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
  bool DeleteFile(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& path) override;

 private:
  // The names in the folder `path` of its subfolders (`folders`) or files,
  // sorted without regard to case.
  std::vector<std::string> ListNames(const std::string& path, bool folders);
  // Gives `path` the file that `fill` writes to a temporary file beside it
  // (named by its path), in one step that reaches the disk.
  void ReplaceWith(const std::string& path, const std::function<void(const std::string&)>& fill);
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_FILES_H_
