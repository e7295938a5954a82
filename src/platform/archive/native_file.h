#ifndef VLRNA_PLATFORM_ARCHIVE_NATIVE_FILE_H_
#define VLRNA_PLATFORM_ARCHIVE_NATIVE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vlrna {

// A file of this machine (native path) open for reading at any offset, with
// 64-bit offsets and sizes on every system. Reads at offsets do not move a
// shared position, so one object may serve several threads. Closed when
// destroyed.
class NativeFile {
 public:
  NativeFile() = default;
  ~NativeFile();
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;

  // Opens `native_path` for reading; false when it cannot be opened.
  bool Open(const std::string& native_path);
  bool is_open() const { return handle_ != kClosed; }

  // Reads exactly `size` bytes at `offset`; false when the file ends first,
  // a read fails or the file is not open.
  bool ReadAt(void* buffer, size_t size, uint64_t offset) const;

  // The file's size; nullopt when it cannot be had.
  std::optional<uint64_t> Size() const;

 private:
  static constexpr intptr_t kClosed = -1;
  // The descriptor, or the HANDLE on Windows; kClosed is also the invalid
  // handle's value there.
  intptr_t handle_ = kClosed;
};

// A native path as a path object, and a path object's native text. On
// Windows both go through the system's ANSI code page, as the A calls do;
// the path object would take 8-bit text in another. A character the code
// page lacks comes back as '?', which names no file of ours.
std::filesystem::path NativePathObject(const std::string& native_path);
std::string NativeText(const std::filesystem::path& path);

// The number of this process, as temporary names carry it.
long NativeProcessId();

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_NATIVE_FILE_H_
