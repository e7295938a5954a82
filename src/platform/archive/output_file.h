#ifndef VLRNA_PLATFORM_ARCHIVE_OUTPUT_FILE_H_
#define VLRNA_PLATFORM_ARCHIVE_OUTPUT_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vlrna {

// Why writing an unpacked file failed.
struct WriteFailure {
  bool disk_full = false;
  std::string reason;  // the system's text, "Permission denied"
};

// One unpacked file being written on this machine (native paths), under a
// temporary name in its folder until Finish has it whole: a file that
// fails, or is dropped unfinished, leaves nothing under its own name. Every
// operation returns false and fills `failure` when it fails.
class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates the file under its temporary name. On Linux a device or a pipe
  // that stands at `native_path` is written straight instead.
  bool Create(const std::string& native_path, WriteFailure& failure);

  // Writes `size` bytes at `offset`.
  bool WriteAt(const void* data, size_t size, int64_t offset, WriteFailure& failure);

  // Sets the modification time (when `has_mtime`; seconds since 1970),
  // closes, and gives the file its own name, replacing an existing file
  // (also a read-only one).
  bool Finish(bool has_mtime, int64_t mtime, int64_t mtime_nsec, WriteFailure& failure);

 private:
  static constexpr intptr_t kClosed = -1;
  // The descriptor, or the HANDLE on Windows (whose invalid value is -1).
  intptr_t handle_ = kClosed;
  int64_t position_ = 0;
  std::string path_;
  std::string temporary_;  // "" when written straight, or once renamed
};

// Makes the folder `native_path` and every missing parent; one that exists
// already is fine. False, with `failure` filled, when one cannot be made.
bool MakeOutputFolders(const std::string& native_path, WriteFailure& failure);

// How much of a file's own name its temporary name keeps.
constexpr size_t kTemporaryNameKept = 200;

// The temporary name of the file `native_path` while it is written: a hidden
// name beside it, made of its own name cut short, the process and `serial`,
// so that it stays a valid name and no two writers share it. `separators`
// are the characters that end a folder in native paths.
std::string TemporaryName(const std::string& native_path, std::string_view separators,
                          uint64_t process, uint64_t serial);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_OUTPUT_FILE_H_
