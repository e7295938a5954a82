#ifndef VLRNA_PLATFORM_FAKE_FAKE_FILES_H_
#define VLRNA_PLATFORM_FAKE_FAKE_FILES_H_

#include <map>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vlrna {

// An in-memory file system of Windows paths, matched without regard to case
// like Windows matches them. Records every change it is asked for in
// `journal()` ("append C:\x.log", "copy A -> B", "replace A"), so a test can
// see the order of what the code did ("delete A", "rmdir A" too).
class FakeFiles : public Files {
 public:
  struct Entry {
    std::string content;
    bool hidden = false;
    bool system = false;
    uint64_t identity = 0;
    int64_t modified_ns = 0;
  };

  // Set-up for tests: files (their folders are created too) and folders.
  void AddFile(const std::string& path, std::string content);
  void AddFolder(const std::string& path);
  void SetHidden(const std::string& path, bool hidden);
  void SetSystem(const std::string& path, bool system);
  // Makes every operation on `path` that reads or writes raise `error_number`.
  void Break(const std::string& path, int32_t error_number);
  void Remove(const std::string& path);

  bool HasFile(const std::string& path) const;
  // Content of a file; empty when there is none.
  std::string Content(const std::string& path) const;
  const std::vector<std::string>& journal() const { return journal_; }

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
  // The fake keeps no spelling of file names: they come out in lower case.
  std::vector<std::string> ListFiles(const std::string& path) override;

 private:
  static std::string Key(const std::string& path);
  void CheckBroken(const std::string& path) const;
  Entry& Existing(const std::string& path);
  Entry& Writable(const std::string& path);
  void Touch(Entry& entry);
  // The names of the files or folders (from `names`) directly in `path`.
  template <typename Map>
  static std::vector<std::string> NamesIn(const std::string& path, const Map& names);

  std::map<std::string, Entry> files_;          // by Key()
  std::map<std::string, std::string> folders_;  // Key() -> spelling
  std::map<std::string, int32_t> broken_;
  std::vector<std::string> journal_;
  uint64_t next_identity_ = 1;
  int64_t clock_ns_ = 1;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAKE_FILES_H_
