#ifndef VLRNA_PLATFORM_POSIX_POSIX_FILES_H_
#define VLRNA_PLATFORM_POSIX_POSIX_FILES_H_

#include <sys/types.h>

#include <functional>
#include <string>

#include "platform/files.h"
#include "platform/posix/wine_prefix.h"
#include "platform/runtime_error.h"

namespace vlrna {

// The files of a Wine prefix, reached through Windows paths as a Windows
// program in the prefix reaches them (WinePrefix::ToUnixPath). A file whose
// name starts with a dot counts as hidden, as Wine shows it, and so does one
// that Wine marked hidden or system in its "user.DOSATTRIB" attribute.
//
// Errors are RuntimeErrors made by PosixError, with the Windows path in the
// description; a missing file gives 53, a missing folder on its way 76.
class PosixFiles : public Files {
 public:
  explicit PosixFiles(const WinePrefix& prefix);

  bool NormalFileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::vector<std::string> ListSubfolders(const std::string& path) override;
  void CreateFolders(const std::string& path) override;
  std::string ReadFile(const std::string& path) override;
  std::string ReadAt(const std::string& path, uint64_t offset, size_t count) override;
  void WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) override;
  void AppendToFile(const std::string& path, std::string_view bytes) override;
  // The copy is written beside the target and renamed over it, so a failed
  // copy leaves an earlier target whole. A read-only target is refused (70),
  // as Windows refuses it.
  void CopyFile(const std::string& from, const std::string& to) override;
  // A target that is a symbolic link is replaced where the link points, so
  // the link stays. Both this and CopyFile first remove the temporary files
  // for the same target that a killed run left behind.
  void ReplaceFileAtomically(const std::string& path, std::string_view content) override;
  FileStamp Stamp(const std::string& path) override;
  // A file without write permission is what Wine shows as read-only: refused.
  bool DeleteFile(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& path) override;

 private:
  // The entries of the folder `path` whose stat matches `kind`, as ANSI names
  // sorted without regard to case.
  std::vector<std::string> ListOfKind(const std::string& path, mode_t kind);
  // Writes a new file beside `target` through `fill`, gives it `mode`, makes
  // it reach the disk and renames it over `target`.
  void ReplaceWith(const std::string& windows_path, const std::string& target, mode_t mode,
                   const std::function<void(int fd)>& fill);
  // The Unix path of `path`; raises 76 when it has none.
  std::string Unix(const std::string& path) const;
  // The error for a failed call on `unix_path` with `error`: 76 rather than
  // 53 when the folder it lies in is missing.
  RuntimeError Fail(const std::string& windows_path, const std::string& unix_path, int error) const;
  int OpenOrFail(const std::string& windows_path, const std::string& unix_path, int flags) const;

  const WinePrefix& prefix_;
  mode_t umask_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_FILES_H_
