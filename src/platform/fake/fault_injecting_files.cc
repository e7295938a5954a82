#include "platform/fake/fault_injecting_files.h"

#include "platform/runtime_error.h"

namespace vlrna {

void FaultInjectingFiles::FailNth(Op op, int nth, int32_t error_number) {
  Slot& slot = slots_[Index(op)];
  slot.fail_at = nth == 0 ? 0 : slot.calls + nth;
  slot.error = error_number;
}

void FaultInjectingFiles::Count(Op op, const std::string& path) {
  Slot& slot = slots_[Index(op)];
  if (++slot.calls == slot.fail_at) {
    throw RuntimeError(slot.error, DescribeErrorNumber(slot.error) + ": " + path,
                       "FaultInjectingFiles");
  }
}

std::string FaultInjectingFiles::ReadFile(const std::string& path) {
  Count(Op::kRead, path);
  return FilesWrapper::ReadFile(path);
}

std::string FaultInjectingFiles::ReadAt(const std::string& path, uint64_t offset, size_t count) {
  Count(Op::kRead, path);
  return FilesWrapper::ReadAt(path, offset, count);
}

void FaultInjectingFiles::WriteAt(const std::string& path, uint64_t offset,
                                  std::string_view bytes) {
  Count(Op::kWrite, path);
  FilesWrapper::WriteAt(path, offset, bytes);
}

void FaultInjectingFiles::AppendToFile(const std::string& path, std::string_view bytes) {
  Count(Op::kWrite, path);
  FilesWrapper::AppendToFile(path, bytes);
}

void FaultInjectingFiles::CopyFile(const std::string& from, const std::string& to) {
  Count(Op::kCopy, to);
  FilesWrapper::CopyFile(from, to);
}

void FaultInjectingFiles::ReplaceFileAtomically(const std::string& path, std::string_view content) {
  Count(Op::kReplace, path);
  FilesWrapper::ReplaceFileAtomically(path, content);
}

bool FaultInjectingFiles::DeleteFile(const std::string& path) {
  Count(Op::kDelete, path);
  return FilesWrapper::DeleteFile(path);
}

bool FaultInjectingFiles::RemoveEmptyFolder(const std::string& path) {
  Count(Op::kDelete, path);
  return FilesWrapper::RemoveEmptyFolder(path);
}

}  // namespace vlrna
