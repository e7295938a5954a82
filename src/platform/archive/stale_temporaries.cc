#include "platform/archive/stale_temporaries.h"

#include "platform/archive/native_file.h"
#include "platform/archive/output_file.h"

#include <filesystem>
#include <map>
#include <set>
#include <system_error>

namespace vlrna {
namespace {

constexpr char kMarker[] = ".vlrna-";

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The name part of a temporary "." + name + ".vlrna-PID-N" left by a
// process other than `pid`; "" when `file` is no such temporary.
std::string CutNameOfForeignTemporary(const std::string& file, long pid) {
  const size_t marker = file.rfind(kMarker);
  if (file.empty() || file[0] != '.' || marker == std::string::npos || marker < 2) return "";
  const std::string tail = file.substr(marker + sizeof kMarker - 1);
  const size_t dash = tail.find('-');
  if (dash == std::string::npos) return "";
  const std::string owner = tail.substr(0, dash);
  if (!AllDigits(owner) || !AllDigits(tail.substr(dash + 1)) || owner == std::to_string(pid)) {
    return "";
  }
  return file.substr(1, marker - 1);
}

}  // namespace

void RemoveStaleTemporaries(const ExtractPlan& plan, long pid) {
  // The planned names, cut as in their temporaries, by folder.
  std::map<std::filesystem::path, std::set<std::string>> names;
  for (const WorkerPlan& work : plan.work) {
    for (const auto& lane : work.lanes) {
      for (const PlannedFile& file : lane) {
        const std::filesystem::path path = NativePathObject(file.native_path);
        names[path.parent_path()].insert(NativeText(path.filename()).substr(0, kTemporaryNameKept));
      }
    }
  }
  for (const auto& [folder, planned] : names) {
    std::error_code error;
    try {
      for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = CutNameOfForeignTemporary(NativeText(item.path().filename()), pid);
        if (!name.empty() && planned.count(name) != 0) std::filesystem::remove(item.path(), error);
      }
    } catch (const std::exception&) {
      // A folder that cannot be read to its end keeps what is left.
    }
  }
}

}  // namespace vlrna
