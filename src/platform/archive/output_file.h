#ifndef VLRNA_PLATFORM_ARCHIVE_OUTPUT_FILE_H_
#define VLRNA_PLATFORM_ARCHIVE_OUTPUT_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

namespace vlrna {

// Why writing an unpacked file failed.
struct WriteFailure {
  bool disk_full = false;
  std::string reason;  // the system's text, "Permission denied"
};

// One unpacked file being written on this machine (native paths). Every
// operation returns false and fills `failure` when it fails.
class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates the file, replacing an existing one (also a read-only one).
  bool Create(const std::string& native_path, WriteFailure& failure);

  // Writes `size` bytes at `offset`.
  bool WriteAt(const void* data, size_t size, int64_t offset, WriteFailure& failure);

  // Sets the modification time (when `has_mtime`) and closes.
  bool Finish(bool has_mtime, int64_t mtime, int64_t mtime_nsec, WriteFailure& failure);

 private:
  int fd_ = -1;
  int64_t position_ = 0;
};

// Fills `failure` for the errno `error` and returns false.
bool WriteFailed(int error, WriteFailure& failure);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_OUTPUT_FILE_H_
