#ifndef VLRNA_PLATFORM_POSIX_WINE_PREFIX_H_
#define VLRNA_PLATFORM_POSIX_WINE_PREFIX_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/posix_code_page.h"
#include "platform/posix/reg_file.h"
#include "platform/registry.h"

namespace vlrna {

// A Wine prefix: the Windows machine that the wizard installs into on Linux.
// It knows the prefix's drives (dosdevices/), its registry files, its ANSI
// code page and the Windows user whose folders Wine uses.
//
// Windows paths are ANSI texts in the prefix's code page; Unix paths are
// UTF-8. Not copyable: the services of one machine refer to one prefix.
class WinePrefix {
 public:
  // Opens $WINEPREFIX, or ~/.wine when it is unset. Raises RuntimeError 76
  // when the folder is missing, lacks system.reg, user.reg or dosdevices/, or
  // belongs to another user (which Wine refuses as well); the description
  // names the folder and says how to choose another prefix.
  static WinePrefix FromEnvironment();
  // Opens the prefix at `unix_root`, with the same check.
  static WinePrefix Open(const std::string& unix_root);

  WinePrefix(WinePrefix&&) = default;
  WinePrefix(const WinePrefix&) = delete;
  WinePrefix& operator=(const WinePrefix&) = delete;

  // The prefix folder, absolute, without a trailing slash.
  const std::string& root() const { return root_; }
  const PosixCodePage& code_page() const { return code_page_; }

  // The Unix path of a Windows path, found the way Wine finds it: the drive
  // letter through dosdevices/, then each existing component matched without
  // regard to case against what is on disk; components that do not exist yet
  // keep the given spelling. "." and ".." are resolved, both slashes
  // separate, "\\?\" prefixes and UNC paths (dosdevices/unc/) are understood.
  // Raises RuntimeError 76 for a path without a drive or a drive without a
  // link.
  std::string ToUnixPath(std::string_view windows_path) const;

  // The Windows path of a Unix path (absolute, or relative to the current
  // folder), through the drive whose folder holds it most closely ("Z:\" for
  // "/"), with the spelling that is on disk. A path that no drive holds
  // becomes "\\?\unix\...", as Wine writes it.
  std::string ToWindowsPath(std::string_view unix_path) const;

  // The real folder of each drive whose link resolves, in letter order: a
  // snapshot for mapping many paths at once.
  struct DriveRoot {
    char letter;  // 'a' to 'z'
    std::string folder;
  };
  std::vector<DriveRoot> DriveRoots() const;
  std::string ToWindowsPath(std::string_view unix_path, const std::vector<DriveRoot>& roots) const;

  // The link of a drive letter: <root>/dosdevices/x: (whether it exists or
  // not).
  std::string DriveLink(char letter) const;

  // The Windows user whose profile Wine uses in this prefix: $USER, else
  // "steamuser", else the only one in drive_c/users; and its profile folder
  // ("C:\users\pilot") and roaming application-data folder.
  const std::string& user_name() const { return user_name_; }
  std::string UserProfile() const;
  std::string RoamingAppData() const;

  // HKEY_LOCAL_MACHINE (system.reg) and HKEY_CURRENT_USER (user.reg). The
  // user hive holds "Volatile Environment" with USERPROFILE and APPDATA even
  // when Wine has not written them yet (a prefix that never ran).
  const RegHive& machine_hive() const { return machine_; }
  const RegHive& user_hive() const { return user_; }

  // The registry files that could not be read whole, in the order they were
  // read (system.reg, user.reg).
  const std::vector<RegistryLoadProblem>& RegistryProblems() const { return registry_problems_; }

 private:
  WinePrefix() = default;
  void LoadRegistry();
  void FindUser();
  void AddVolatileEnvironment();
  // The on-disk spelling of `name` in the folder `dir`, or empty.
  static std::string MatchInFolder(const std::string& dir, const std::string& name);
  std::string MapComponents(std::string base, const std::vector<std::string>& parts) const;

  std::string root_;
  PosixCodePage code_page_;
  RegHive machine_;
  RegHive user_;
  std::vector<RegistryLoadProblem> registry_problems_;
  std::string user_name_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_WINE_PREFIX_H_
