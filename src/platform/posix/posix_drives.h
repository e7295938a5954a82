#ifndef VLRNA_PLATFORM_POSIX_POSIX_DRIVES_H_
#define VLRNA_PLATFORM_POSIX_POSIX_DRIVES_H_

#include <string>

#include "platform/drives.h"
#include "platform/posix/wine_prefix.h"
#include "platform/registry.h"

namespace vlrna {

// The drives of a Wine prefix: its dosdevices/x: links.
//
// The type is what HKLM\Software\Wine\Drives names for the letter ("hd",
// "cdrom", "network", "floppy", "ramdisk"), else what the mount table says of
// the file system the link leads to (iso9660 and udf: CD-ROM; nfs, cifs,
// smb3, sshfs: network; tmpfs and ramfs: RAM disk; else fixed). A volume
// label is the first line of the drive root's ".windows-label", as Wine keeps
// it. Ready means the link leads to a readable folder.
class PosixDrives : public Drives {
 public:
  // `mount_table` is a file in the format of /proc/self/mountinfo.
  PosixDrives(const WinePrefix& prefix, Registry& registry,
              std::string mount_table = "/proc/self/mountinfo");

  // "c:", "d: [VLRNA_DVD]", in letter order; a link whose folder is missing
  // (an empty CD drive) is listed too.
  std::vector<std::string> List() override;
  DriveType TypeOf(const std::string& root) override;
  std::optional<uint64_t> FreeBytesForCaller(const std::string& root) override;
  bool IsReady(const std::string& drive) override;

 private:
  // The type that the prefix's registry gives the letter, or kDriveUnknown.
  DriveType TypeFromRegistry(char letter);
  // The type of the file system that holds `folder`, from the mount table.
  DriveType TypeFromMounts(const std::string& folder) const;

  const WinePrefix& prefix_;
  Registry& registry_;
  std::string mount_table_;
};

// The drive letter, lower case, of a root such as "C:\" or "c:", or 0.
char DriveLetterOf(const std::string& root);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_DRIVES_H_
