#ifndef VLRNA_PLATFORM_FAKE_FILES_WRAPPER_H_
#define VLRNA_PLATFORM_FAKE_FILES_WRAPPER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace vlrna {

// Passes every call on to another Files. A wrapper that changes a few calls
// (fails some, counts some) derives from it and overrides only those; a
// method added to Files later reaches the wrapped files without it.
class FilesWrapper : public Files {
 public:
  explicit FilesWrapper(Files& target) : target_(target) {}

  Files& target() const { return target_; }

  bool NormalFileExists(const std::string& path) override { return target_.NormalFileExists(path); }
  bool FolderExists(const std::string& path) override { return target_.FolderExists(path); }
  std::vector<std::string> ListSubfolders(const std::string& path) override {
    return target_.ListSubfolders(path);
  }
  void CreateFolders(const std::string& path) override { target_.CreateFolders(path); }
  std::string ReadFile(const std::string& path) override { return target_.ReadFile(path); }
  std::string ReadAt(const std::string& path, uint64_t offset, size_t count) override {
    return target_.ReadAt(path, offset, count);
  }
  void WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) override {
    target_.WriteAt(path, offset, bytes);
  }
  void AppendToFile(const std::string& path, std::string_view bytes) override {
    target_.AppendToFile(path, bytes);
  }
  void CopyFile(const std::string& from, const std::string& to) override {
    target_.CopyFile(from, to);
  }
  void ReplaceFileAtomically(const std::string& path, std::string_view content) override {
    target_.ReplaceFileAtomically(path, content);
  }
  FileStamp Stamp(const std::string& path) override { return target_.Stamp(path); }
  bool DeleteFile(const std::string& path) override { return target_.DeleteFile(path); }
  bool RemoveEmptyFolder(const std::string& path) override {
    return target_.RemoveEmptyFolder(path);
  }
  std::vector<std::string> ListFiles(const std::string& path) override {
    return target_.ListFiles(path);
  }

 private:
  Files& target_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FILES_WRAPPER_H_
