#ifndef VLRNA_PLATFORM_WIN32_WIN32_HANDLE_H_
#define VLRNA_PLATFORM_WIN32_WIN32_HANDLE_H_

#include "platform/win32/windows_api.h"

namespace vlrna {

// A kernel handle that closes itself; INVALID_HANDLE_VALUE and null are
// both "none".
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
  ~ScopedHandle() { Close(); }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now; false when the close failed.
  bool Close() {
    if (!valid()) return true;
    HANDLE handle = handle_;
    handle_ = nullptr;
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

// A FindFirstFileA search that ends itself.
class ScopedFind {
 public:
  explicit ScopedFind(HANDLE find) : find_(find) {}
  ~ScopedFind() {
    if (valid()) FindClose(find_);
  }
  ScopedFind(const ScopedFind&) = delete;
  ScopedFind& operator=(const ScopedFind&) = delete;
  bool valid() const { return find_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return find_; }

 private:
  HANDLE find_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_HANDLE_H_
