#include "platform/posix/wine_prefix.h"

#include <dirent.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/posix/name_case.h"
#include "platform/runtime_error.h"
#include "platform/unicode_text.h"

namespace vlrna {
namespace {

const char kSource[] = "WinePrefix";

bool IsFolder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Splits at both slashes and resolves "." and ".." without leaving the root.
std::vector<std::string> Components(std::string_view path, std::string_view separators) {
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos <= path.size()) {
    size_t end = path.find_first_of(separators, pos);
    if (end == std::string_view::npos) end = path.size();
    std::string part(path.substr(pos, end - pos));
    pos = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(std::move(part));
  }
  return parts;
}

std::string Join(const std::vector<std::string>& parts, size_t from, size_t to, char separator) {
  std::string out;
  for (size_t i = from; i < to; ++i) {
    if (i > from) out.push_back(separator);
    out += parts[i];
  }
  return out;
}

std::string RealPath(const std::string& path) {
  std::unique_ptr<char, decltype(&free)> real(realpath(path.c_str(), nullptr), &free);
  return real ? std::string(real.get()) : std::string();
}

// The real path of a Unix path whose end may not exist yet: the deepest
// existing folder resolved, the rest appended as given.
std::string RealPathOfPossiblyMissing(const std::vector<std::string>& parts) {
  for (size_t k = parts.size() + 1; k-- > 0;) {
    std::string real = RealPath("/" + Join(parts, 0, k, '/'));
    if (real.empty()) continue;
    if (k == parts.size()) return real;
    return (real == "/" ? "" : real) + "/" + Join(parts, k, parts.size(), '/');
  }
  return "/" + Join(parts, 0, parts.size(), '/');
}

std::string ReadText(const std::string& path, std::vector<std::string>& problems) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) problems.push_back("cannot be read");
  return text.str();
}

// The text of a REG_SZ value as UTF-8, or empty.
std::string StringValue(const RegHive& hive, std::string_view key, std::string_view name) {
  const RegKeyData* k = hive.FindKey(key);
  if (k == nullptr) return "";
  auto it = k->values.find(FoldCase(name));
  if (it == k->values.end() || (it->second.type != 1 && it->second.type != 2)) return "";
  std::u32string text;
  const std::string& d = it->second.data;
  for (size_t i = 0; i + 1 < d.size(); i += 2) {
    char32_t unit = static_cast<unsigned char>(d[i]) | (static_cast<unsigned char>(d[i + 1]) << 8);
    if (unit == 0) break;
    text.push_back(unit);
  }
  return EncodeUtf8(text);
}

RuntimeError NotAPrefix(const std::string& root, const std::string& why) {
  return RuntimeError(kErrPathNotFound,
                      "No Wine prefix at " + root + ": " + why +
                          ". Choose the prefix of your simulator with the WINEPREFIX "
                          "environment variable, for example WINEPREFIX=/path/to/prefix "
                          "(a Proton prefix is steamapps/compatdata/<game id>/pfx).",
                      kSource);
}

}  // namespace

WinePrefix WinePrefix::FromEnvironment() {
  std::string root = Env("WINEPREFIX");
  if (root.empty()) root = Env("HOME") + "/.wine";
  return Open(root);
}

WinePrefix WinePrefix::Open(const std::string& unix_root) {
  WinePrefix prefix;
  std::string root = unix_root;
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  if (!root.empty() && root[0] != '/') {
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof cwd)) root = std::string(cwd) + "/" + root;
  }
  if (!IsFolder(root)) throw NotAPrefix(root, "the folder does not exist");
  for (const char* part : {"system.reg", "user.reg"}) {
    if (!Exists(root + "/" + part)) throw NotAPrefix(root, std::string("it has no ") + part);
  }
  if (!IsFolder(root + "/dosdevices")) throw NotAPrefix(root, "it has no dosdevices folder");
  // Wine itself refuses a prefix of another user; files written there would
  // belong to the wrong user.
  struct stat st;
  if (stat(root.c_str(), &st) == 0 && st.st_uid != geteuid()) {
    throw NotAPrefix(root, "it belongs to another user (uid " + std::to_string(st.st_uid) +
                               "); start the installer as that user or choose your own prefix");
  }
  prefix.root_ = root;
  prefix.LoadRegistry();
  prefix.FindUser();
  prefix.AddVolatileEnvironment();
  return prefix;
}

namespace {

// Reads one registry file; notes in `problems` when it could not be read
// whole.
RegHive LoadHive(const std::string& path, std::vector<RegistryLoadProblem>& problems) {
  std::vector<std::string> unreadable;
  RegHive hive = RegHive::Parse(ReadText(path, unreadable));
  if (!unreadable.empty()) {
    problems.push_back({path, 0, unreadable.front()});
  } else if (!hive.problems().empty()) {
    problems.push_back({path, hive.problems().size(), hive.problems().front()});
  }
  return hive;
}

}  // namespace

void WinePrefix::LoadRegistry() {
  machine_ = LoadHive(root_ + "/system.reg", registry_problems_);
  user_ = LoadHive(root_ + "/user.reg", registry_problems_);
  std::string acp =
      StringValue(machine_, "System\\CurrentControlSet\\Control\\Nls\\CodePage", "ACP");
  uint32_t number = static_cast<uint32_t>(std::strtoul(acp.c_str(), nullptr, 10));
  code_page_ = PosixCodePage(number == 0 ? 1252 : number);
}

void WinePrefix::FindUser() {
  std::string users = root_ + "/drive_c/users";
  std::vector<std::string> names;
  if (DIR* dir = opendir(users.c_str())) {
    while (dirent* e = readdir(dir)) {
      std::string name = e->d_name;
      if (name != "." && name != ".." && !SameNameIgnoringCase(name, "Public") &&
          IsFolder(users + "/" + name)) {
        names.push_back(name);
      }
    }
    closedir(dir);
  }
  std::string wanted = Env("USER");
  for (const std::string& candidate : {wanted, std::string("steamuser")}) {
    if (candidate.empty()) continue;
    std::string on_disk = MatchInFolder(users, candidate);
    if (!on_disk.empty()) {
      user_name_ = code_page_.Utf8ToAnsi(on_disk);
      return;
    }
  }
  if (names.size() == 1) {
    user_name_ = code_page_.Utf8ToAnsi(names[0]);
  } else {
    user_name_ = code_page_.Utf8ToAnsi(wanted.empty() ? "steamuser" : wanted);
  }
}

std::string WinePrefix::UserProfile() const { return "C:\\users\\" + user_name_; }

std::string WinePrefix::RoamingAppData() const {
  const char kShellFolders[] =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  std::string from_registry = StringValue(user_, kShellFolders, "AppData");
  if (!from_registry.empty()) return code_page_.Utf8ToAnsi(from_registry);
  return UserProfile() + "\\AppData\\Roaming";
}

void WinePrefix::AddVolatileEnvironment() {
  const char kKey[] = "Volatile Environment";
  auto add_missing = [&](const char* name, const std::string& ansi) {
    const RegKeyData* key = user_.FindKey(kKey);
    if (key != nullptr && key->values.count(FoldCase(name))) return;
    user_.SetValue(kKey, name, RegValue{1, Utf16Data(code_page_.AnsiToUtf8(ansi))});
  };
  add_missing("USERPROFILE", UserProfile());
  add_missing("APPDATA", RoamingAppData());
}

std::string WinePrefix::DriveLink(char letter) const {
  char lower = static_cast<char>(letter >= 'A' && letter <= 'Z' ? letter + 32 : letter);
  return root_ + "/dosdevices/" + lower + ":";
}

std::string WinePrefix::MatchInFolder(const std::string& dir, const std::string& name) {
  if (Exists(dir + "/" + name)) return name;
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) return "";
  std::string best;
  while (dirent* e = readdir(d)) {
    std::string candidate = e->d_name;
    // Several spellings of one name: take the first in byte order, so the
    // choice does not depend on the order of the folder.
    if (SameNameIgnoringCase(candidate, name) && (best.empty() || candidate < best)) {
      best = candidate;
    }
  }
  closedir(d);
  return best;
}

std::string WinePrefix::MapComponents(std::string base,
                                      const std::vector<std::string>& parts) const {
  bool exists = true;
  for (const std::string& part : parts) {
    std::string on_disk = exists ? MatchInFolder(base, part) : "";
    exists = !on_disk.empty();
    base += "/" + (exists ? on_disk : part);
  }
  return base;
}

std::string WinePrefix::ToUnixPath(std::string_view windows_path) const {
  std::string path = code_page_.AnsiToUtf8(windows_path);
  auto fail = [&] {
    return RuntimeError(kErrPathNotFound,
                        DescribeErrorNumber(kErrPathNotFound) + ": " + std::string(windows_path),
                        kSource);
  };
  for (const char* device : {"\\\\?\\", "\\\\.\\", "//?/", "//./"}) {
    if (path.starts_with(device)) {
      path.erase(0, 4);
      if (path.size() > 5 && FoldCase(path.substr(0, 5)) == "unix\\") {
        std::vector<std::string> parts = Components(path.substr(5), "\\/");
        return "/" + Join(parts, 0, parts.size(), '/');
      }
      if (FoldCase(path.substr(0, 4)) == "unc\\") path = "\\\\" + path.substr(4);
    }
  }
  std::vector<std::string> parts;
  std::string base;
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    base = DriveLink(path[0]);
    parts = Components(path.substr(2), "\\/");
  } else if (path.size() > 2 && (path[0] == '\\' || path[0] == '/') &&
             (path[1] == '\\' || path[1] == '/')) {
    base = root_ + "/dosdevices/unc";
    parts = Components(path.substr(2), "\\/");
  } else {
    throw fail();
  }
  if (!Exists(base)) throw fail();
  return MapComponents(base, parts);
}

std::vector<WinePrefix::DriveRoot> WinePrefix::DriveRoots() const {
  std::vector<DriveRoot> roots;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    std::string folder = RealPath(DriveLink(letter));
    if (!folder.empty()) roots.push_back({letter, folder});
  }
  return roots;
}

std::string WinePrefix::ToWindowsPath(std::string_view unix_path) const {
  return ToWindowsPath(unix_path, DriveRoots());
}

std::string WinePrefix::ToWindowsPath(std::string_view unix_path,
                                      const std::vector<DriveRoot>& roots) const {
  std::string absolute(unix_path);
  if (absolute.empty() || absolute[0] != '/') {
    char cwd[PATH_MAX];
    absolute = std::string(getcwd(cwd, sizeof cwd) ? cwd : "") + "/" + absolute;
  }
  std::string real = RealPathOfPossiblyMissing(Components(absolute, "/"));
  const DriveRoot* best = nullptr;
  for (const DriveRoot& root : roots) {
    bool holds = root.folder == "/" || real == root.folder || real.starts_with(root.folder + "/");
    if (holds && (best == nullptr || root.folder.size() > best->folder.size())) best = &root;
  }
  std::vector<std::string> rest;
  std::string prefix;
  if (best == nullptr) {
    prefix = "\\\\?\\unix\\";
    rest = Components(real, "/");
  } else {
    prefix = std::string(1, static_cast<char>(best->letter - 32)) + ":\\";
    rest = Components(real.substr(best->folder == "/" ? 0 : best->folder.size()), "/");
  }
  return prefix + code_page_.Utf8ToAnsi(Join(rest, 0, rest.size(), '\\'));
}

}  // namespace vlrna
