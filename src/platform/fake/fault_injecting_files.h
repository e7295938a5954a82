#ifndef VLRNA_PLATFORM_FAKE_FAULT_INJECTING_FILES_H_
#define VLRNA_PLATFORM_FAKE_FAULT_INJECTING_FILES_H_

#include <array>
#include <cstdint>
#include <string>

#include "platform/fake/files_wrapper.h"

namespace vlrna {

// Wraps any Files and makes chosen calls fail, for tests of what the code
// does when the disk fills up or a file is locked halfway through its work.
// A failing call raises RuntimeError with the chosen number before it reaches
// the wrapped files, so these see nothing of it; every other call passes on.
class FaultInjectingFiles : public FilesWrapper {
 public:
  // kRead: ReadFile and ReadAt; kDelete: DeleteFile and RemoveEmptyFolder.
  enum class Op { kRead, kWrite, kCopy, kReplace, kDelete };

  explicit FaultInjectingFiles(Files& base) : FilesWrapper(base) {}

  // Makes the `nth` call of `op` from now on (1 = the next one) raise
  // `error_number`; 0 turns the fault off.
  void FailNth(Op op, int nth, int32_t error_number);
  // How many calls of `op` were made, failed ones included.
  int calls(Op op) const { return slots_[Index(op)].calls; }

  std::string ReadFile(const std::string& path) override;
  std::string ReadAt(const std::string& path, uint64_t offset, size_t count) override;
  void WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) override;
  void AppendToFile(const std::string& path, std::string_view bytes) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  void ReplaceFileAtomically(const std::string& path, std::string_view content) override;
  bool DeleteFile(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& path) override;

 private:
  struct Slot {
    int calls = 0;
    int fail_at = 0;  // the call number that fails, 0 for none
    int32_t error = 0;
  };
  static size_t Index(Op op) { return static_cast<size_t>(op); }
  void Count(Op op, const std::string& path);

  std::array<Slot, 5> slots_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAULT_INJECTING_FILES_H_
