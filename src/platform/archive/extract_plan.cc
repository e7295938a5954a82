#include "platform/archive/extract_plan.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/archive/entry_name.h"
#include "platform/ascii_case.h"

namespace vlrna {
namespace {

// The longest path and the longest single name Windows holds, in
// characters; names are counted in bytes, which is never fewer.
constexpr size_t kMaxWindowsPath = 32767;
constexpr size_t kMaxWindowsName = 255;

std::string Join(const std::string& folder, const std::vector<std::string>& parts, size_t count) {
  std::string path = folder;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) path += '\\';
    path += parts[i];
  }
  return path;
}

std::string Refusal(const std::string& archive_path, const ZipEntry& entry,
                    const std::string& why) {
  return EntryRefusal(archive_path, PrintableName(entry.name), why);
}

// Why Windows cannot hold the file or folder `path` made of `parts`, or "".
std::string BeyondWindows(const std::vector<std::string>& parts, const std::string& path) {
  for (const std::string& part : parts) {
    if (part.size() > kMaxWindowsName) {
      return "a part of its name is longer than the 255 characters Windows allows in one name";
    }
  }
  if (path.size() > kMaxWindowsPath) {
    return "its path, " + std::to_string(parts.size()) +
           " parts deep, would be longer than the 32,767 characters Windows allows";
  }
  return "";
}

// Files that land on the same path (names match without regard to case, as
// on Windows) form one group; groups are dealt to the least loaded lane,
// largest first. Worker w has lanes 2w and 2w + 1.
void Distribute(std::vector<PlannedFile> files, int workers, ExtractPlan& plan) {
  std::map<std::string, std::vector<PlannedFile>> groups;
  for (PlannedFile& file : files) groups[AsciiLower(file.windows_path)].push_back(std::move(file));
  std::vector<std::pair<uint64_t, std::vector<PlannedFile>*>> by_size;
  for (auto& [path, group] : groups) {
    uint64_t size = 0;
    for (const PlannedFile& file : group) size += file.entry->size + 1;
    by_size.emplace_back(size, &group);
  }
  std::stable_sort(by_size.begin(), by_size.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  plan.work.assign(std::max(workers, 1), {});
  // First lanes of every worker first: the largest groups go to different
  // workers.
  std::vector<std::vector<PlannedFile>*> lanes;
  for (size_t lane = 0; lane < 2; ++lane) {
    for (WorkerPlan& worker : plan.work) lanes.push_back(&worker.lanes[lane]);
  }
  std::vector<uint64_t> load(lanes.size(), 0);
  for (auto& [size, group] : by_size) {
    size_t least = std::min_element(load.begin(), load.end()) - load.begin();
    load[least] += size;
    for (PlannedFile& file : *group) lanes[least]->push_back(std::move(file));
  }
  for (std::vector<PlannedFile>* lane : lanes) {
    std::sort(lane->begin(), lane->end(),
              [](const PlannedFile& a, const PlannedFile& b) { return a.index < b.index; });
  }
}

}  // namespace

bool PlanExtraction(const std::string& archive_path, const std::vector<ZipEntry>& entries,
                    const std::string& destination, const PathMapper& map_path, int workers,
                    ExtractPlan& plan, std::string& error) {
  const std::string base = ResolveWindowsFolder(destination);
  std::set<std::string> windows_folders = {base};
  std::vector<PlannedFile> files;
  for (size_t i = 0; i < entries.size(); ++i) {
    const ZipEntry& entry = entries[i];
    if (entry.kind == ZipEntry::kLink || entry.kind == ZipEntry::kDevice) {
      error = Refusal(archive_path, entry, "it is a link or a device");
      return false;
    }
    EntryNameCheck check = CheckEntryName(entry.name);
    if (!check.accepted()) {
      error = Refusal(archive_path, entry, check.refusal);
      return false;
    }
    std::string windows_path = Join(base, check.parts, check.parts.size());
    if (std::string why = BeyondWindows(check.parts, windows_path); !why.empty()) {
      error = Refusal(archive_path, entry, why);
      return false;
    }
    bool folder = entry.kind == ZipEntry::kFolder;
    size_t folder_parts = folder ? check.parts.size() : check.parts.size() - 1;
    windows_folders.insert(Join(base, check.parts, folder_parts));
    if (!folder) files.push_back({i, &entry, std::move(windows_path), ""});
  }
  for (const std::string& windows : windows_folders) {
    std::string native = map_path(windows);
    if (native.empty()) {
      error = "The folder " + windows + " for archive " + archive_path + " cannot be reached";
      return false;
    }
    plan.native_folders.push_back(std::move(native));
  }
  for (PlannedFile& file : files) {
    file.native_path = map_path(file.windows_path);
    if (file.native_path.empty()) {
      error =
          "The file " + file.windows_path + " for archive " + archive_path + " cannot be reached";
      return false;
    }
  }
  Distribute(std::move(files), workers, plan);
  return true;
}

}  // namespace vlrna
