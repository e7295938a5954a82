#ifndef VLRNA_PLATFORM_DRIVES_H_
#define VLRNA_PLATFORM_DRIVES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vlrna {

// Drive types, numbered as GetDriveTypeA numbers them.
enum DriveType : int32_t {
  kDriveUnknown = 0,
  kDriveNoRootDir = 1,
  kDriveRemovable = 2,
  kDriveFixed = 3,
  kDriveRemote = 4,
  kDriveCdRom = 5,
  kDriveRamDisk = 6,
};

// The machine's drives, as a classic drive list shows them.
class Drives {
 public:
  virtual ~Drives() = default;

  // Display texts in drive-letter order, as a drive list shows them: the
  // letter in small letters and a colon, then for most drives a blank and the
  // volume label or network share in square brackets ("c: [SYSTEM]", "e:").
  virtual std::vector<std::string> List() = 0;

  // The type of the drive whose root is given ("C:\").
  virtual DriveType TypeOf(const std::string& root) = 0;

  // Free bytes available to the calling user on the volume of `root`
  // ("C:\"), respecting quotas; nullopt when the query fails.
  virtual std::optional<uint64_t> FreeBytesForCaller(const std::string& root) = 0;

  // Whether a medium is in the drive. `drive` is a letter, "X:" or "X:\";
  // any other text raises RuntimeError 68 (Device unavailable).
  virtual bool IsReady(const std::string& drive) = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_DRIVES_H_
