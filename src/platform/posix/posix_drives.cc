#include "platform/posix/posix_drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <utility>

#include "platform/ascii_case.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

// A mount point as mountinfo writes it, with its octal escapes ("\040").
std::string Unescape(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::isdigit(static_cast<unsigned char>(field[i + 1]))) {
      out.push_back(static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8)));
      i += 3;
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

DriveType TypeOfFileSystem(const std::string& type) {
  for (const char* cd : {"iso9660", "udf"}) {
    if (type == cd) return kDriveCdRom;
  }
  for (const char* net : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs"}) {
    if (type == net) return kDriveRemote;
  }
  if (type == "tmpfs" || type == "ramfs") return kDriveRamDisk;
  return kDriveFixed;
}

}  // namespace

char DriveLetterOf(const std::string& root) {
  if (root.size() < 2 || root[1] != ':' || !std::isalpha(static_cast<unsigned char>(root[0]))) {
    return 0;
  }
  return AsciiLower(root[0]);
}

namespace {

// A drive is a folder: a link in dosdevices/ that leads to anything else
// (a plain file, a device) is no drive at all. A link that leads nowhere yet
// is a drive without its medium.
bool LeadsToNonFolder(const std::string& link) {
  struct stat st;
  return stat(link.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace

PosixDrives::PosixDrives(const WinePrefix& prefix, Registry& registry, std::string mount_table)
    : prefix_(prefix), registry_(registry), mount_table_(std::move(mount_table)) {}

std::vector<std::string> PosixDrives::List() {
  std::vector<std::string> list;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    std::string link = prefix_.DriveLink(letter);
    struct stat st;
    if (lstat(link.c_str(), &st) != 0 || LeadsToNonFolder(link)) continue;
    std::string entry = std::string(1, letter) + ":";
    std::ifstream label_file(link + "/.windows-label", std::ios::binary);
    std::string label;
    if (label_file && std::getline(label_file, label)) {
      while (!label.empty() && (label.back() == '\r' || label.back() == ' ')) label.pop_back();
      if (!label.empty()) entry += " [" + prefix_.code_page().Utf8ToAnsi(label) + "]";
    }
    list.push_back(entry);
  }
  return list;
}

DriveType PosixDrives::TypeFromRegistry(char letter) {
  RegistryKey key;
  if (registry_.OpenKey(RegistryRoot::kLocalMachine, "Software\\Wine\\Drives", &key) != kRegOk) {
    return kDriveUnknown;
  }
  char buffer[32] = {};
  uint32_t size = sizeof buffer - 1;
  uint32_t type = 0;
  std::string name = std::string(1, letter) + ":";
  bool read =
      registry_.QueryValueType(key, name, &type) == kRegOk && type == kRegSz &&
      registry_.QueryValueData(key, name, reinterpret_cast<uint8_t*>(buffer), &size) == kRegOk;
  registry_.CloseKey(key);
  if (!read) return kDriveUnknown;
  std::string text = AsciiLower(buffer);
  static const std::pair<const char*, DriveType> kNames[] = {
      {"hd", kDriveFixed},         {"cdrom", kDriveCdRom},     {"network", kDriveRemote},
      {"floppy", kDriveRemovable}, {"ramdisk", kDriveRamDisk},
  };
  for (const auto& [text_name, drive_type] : kNames) {
    if (text == text_name) return drive_type;
  }
  return kDriveUnknown;
}

DriveType PosixDrives::TypeFromMounts(const std::string& folder) const {
  std::ifstream table(mount_table_);
  std::string line, best_point, best_type;
  while (std::getline(table, line)) {
    // id parent major:minor root mount-point options [optional...] - type source ...
    std::istringstream fields(line);
    std::string skip, point, field;
    fields >> skip >> skip >> skip >> skip >> point;
    while (fields >> field && field != "-") {
    }
    std::string type;
    if (!(fields >> type)) continue;
    point = Unescape(point);
    bool holds = point == "/" || folder == point || folder.starts_with(point + "/");
    // The later of two equal mount points is the one on top.
    if (holds && point.size() >= best_point.size()) {
      best_point = point;
      best_type = type;
    }
  }
  return best_type.empty() ? kDriveFixed : TypeOfFileSystem(best_type);
}

DriveType PosixDrives::TypeOf(const std::string& root) {
  char letter = DriveLetterOf(root);
  if (letter == 0) return kDriveNoRootDir;
  struct stat st;
  const std::string link = prefix_.DriveLink(letter);
  if (lstat(link.c_str(), &st) != 0 || LeadsToNonFolder(link)) return kDriveNoRootDir;
  DriveType configured = TypeFromRegistry(letter);
  if (configured != kDriveUnknown) return configured;
  for (const WinePrefix::DriveRoot& r : prefix_.DriveRoots()) {
    if (r.letter == letter) return TypeFromMounts(r.folder);
  }
  return kDriveNoRootDir;  // the link leads nowhere
}

std::optional<uint64_t> PosixDrives::FreeBytesForCaller(const std::string& root) {
  char letter = DriveLetterOf(root);
  struct statvfs fs;
  if (letter == 0 || LeadsToNonFolder(prefix_.DriveLink(letter)) ||
      statvfs(prefix_.DriveLink(letter).c_str(), &fs) != 0) {
    return std::nullopt;
  }
  return static_cast<uint64_t>(fs.f_bavail) * static_cast<uint64_t>(fs.f_frsize);
}

bool PosixDrives::IsReady(const std::string& drive) {
  char letter = drive.size() == 1 && std::isalpha(static_cast<unsigned char>(drive[0]))
                    ? AsciiLower(drive[0])
                    : DriveLetterOf(drive);
  if (letter == 0 || drive.size() > 3 || (drive.size() == 3 && drive[2] != '\\')) {
    throw RuntimeError(kErrDeviceUnavailable,
                       DescribeErrorNumber(kErrDeviceUnavailable) + ": " + drive, "PosixDrives");
  }
  std::string link = prefix_.DriveLink(letter);
  struct stat st;
  return stat(link.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         access(link.c_str(), R_OK | X_OK) == 0;
}

}  // namespace vlrna
