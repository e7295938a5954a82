#include "platform/fake/fake_services.h"

#include <cctype>

#include "platform/ascii_case.h"

namespace vlrna {

std::vector<std::string> FakeDrives::List() {
  std::vector<std::string> list;
  for (const Drive& d : drives) list.push_back(d.display);
  return list;
}

const FakeDrives::Drive* FakeDrives::Find(const std::string& root) const {
  if (root.empty()) return nullptr;
  char letter = AsciiLower(root[0]);
  for (const Drive& d : drives) {
    if (!d.display.empty() && AsciiLower(d.display[0]) == letter) {
      return &d;
    }
  }
  return nullptr;
}

DriveType FakeDrives::TypeOf(const std::string& root) {
  const Drive* d = Find(root);
  return d ? d->type : kDriveNoRootDir;
}

std::optional<uint64_t> FakeDrives::FreeBytesForCaller(const std::string& root) {
  const Drive* d = Find(root);
  return d ? d->free_bytes : std::nullopt;
}

bool FakeDrives::IsReady(const std::string& drive) {
  bool well_formed =
      (drive.size() == 1 || (drive.size() >= 2 && drive[1] == ':' &&
                             (drive.size() == 2 || drive == drive.substr(0, 2) + "\\"))) &&
      std::isalpha(static_cast<unsigned char>(drive[0]));
  if (!well_formed) {
    throw RuntimeError(kErrDeviceUnavailable, DescribeErrorNumber(kErrDeviceUnavailable),
                       "FakeDrives");
  }
  const Drive* d = Find(drive);
  return d != nullptr && d->ready;
}

std::vector<ProcessInfo> FakeProcesses::List() {
  if (fail_listing) {
    throw RuntimeError(kErrPermissionDenied, "The process list is not available", "FakeProcesses");
  }
  return running;
}

bool FakeProcesses::Terminate(const ProcessInfo& process, int exit_code) {
  terminated.push_back(process);
  terminated_with.push_back(exit_code);
  return true;
}

int64_t FakeSystem::MonotonicMillis() {
  const int64_t now = monotonic_ms;
  monotonic_ms += monotonic_step_ms;
  return now;
}

void FakeSystem::EndProcess(int exit_code) {
  end_calls.push_back(exit_code);
  throw ProcessEnded{exit_code};
}

}  // namespace vlrna
