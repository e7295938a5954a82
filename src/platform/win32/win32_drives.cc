#include "platform/win32/win32_drives.h"

#include <cctype>

#include "platform/ascii_case.h"
#include "platform/runtime_error.h"
#include "platform/win32/windows_api.h"

namespace vlrna {

std::vector<std::string> Win32Drives::List() {
  char roots[27 * 4 + 1] = {};
  const DWORD length = GetLogicalDriveStringsA(sizeof roots, roots);
  std::vector<std::string> drives;
  if (length == 0 || length > sizeof roots) return drives;
  // No "insert a disk" box for an empty drive while its label is read.
  const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS);
  for (const char* root = roots; *root != '\0'; root += std::char_traits<char>::length(root) + 1) {
    std::string entry = {AsciiLower(root[0]), ':'};
    char label[MAX_PATH + 1] = {};
    if (GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) &&
        label[0] != '\0') {
      entry += std::string(" [") + label + "]";
    }
    drives.push_back(entry);
  }
  SetErrorMode(old_mode);
  return drives;
}

DriveType Win32Drives::TypeOf(const std::string& root) {
  return static_cast<DriveType>(GetDriveTypeA(root.c_str()));
}

std::optional<uint64_t> Win32Drives::FreeBytesForCaller(const std::string& root) {
  ULARGE_INTEGER free_for_caller;
  const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const BOOL ok = GetDiskFreeSpaceExA(root.c_str(), &free_for_caller, nullptr, nullptr);
  SetErrorMode(old_mode);
  if (!ok) return std::nullopt;
  return free_for_caller.QuadPart;
}

bool Win32Drives::IsReady(const std::string& drive) {
  const bool letter = !drive.empty() && std::isalpha(static_cast<unsigned char>(drive[0]));
  const bool shaped =
      drive.size() == 1 || (drive.size() >= 2 && drive[1] == ':' &&
                            (drive.size() == 2 || (drive.size() == 3 && drive[2] == '\\')));
  if (!letter || !shaped) {
    throw RuntimeError(kErrDeviceUnavailable,
                       DescribeErrorNumber(kErrDeviceUnavailable) + ": " + drive, "Win32Drives");
  }
  return FreeBytesForCaller(std::string{drive[0], ':', '\\'}).has_value();
}

}  // namespace vlrna
