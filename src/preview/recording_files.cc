#include "preview/recording_files.h"

#include <algorithm>

#include "platform/ascii_case.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

const char kSource[] = "RecordingFiles";

RuntimeError Failure(int32_t number, const std::string& path) {
  return RuntimeError(number, DescribeErrorNumber(number) + ": " + path, kSource);
}

void SortNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return AsciiUpper(a) < AsciiUpper(b);
  });
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

}  // namespace

RecordingFiles::RecordingFiles(Files& real,
                               std::function<bool(const std::string& path)> pass_through)
    : real_(real), pass_through_(std::move(pass_through)) {}

std::string RecordingFiles::Key(const std::string& path) {
  std::string key = AsciiUpper(path);
  while (key.size() > 3 && key.back() == '\\') key.pop_back();
  return key;
}

const RecordingFiles::Overlay* RecordingFiles::Find(const std::string& path) const {
  auto found = overlays_.find(Key(path));
  return found == overlays_.end() ? nullptr : &found->second;
}

RecordingFiles::Overlay& RecordingFiles::Touch(const std::string& path) {
  const std::string key = Key(path);
  auto found = overlays_.find(key);
  if (found != overlays_.end()) return found->second;
  Overlay overlay;
  overlay.path = path;
  if (real_.NormalFileExists(path)) overlay.before = real_.ReadFile(path);
  overlay.now = overlay.before;
  order_.push_back(key);
  return overlays_.emplace(key, std::move(overlay)).first->second;
}

void RecordingFiles::RequireFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  if (!folder.empty() && !FolderExists(folder)) {
    throw Failure(kErrPathNotFound, path);
  }
}

std::vector<RecordedChange> RecordingFiles::Changes() const {
  std::vector<RecordedChange> changes;
  for (const std::string& key : order_) {
    const Overlay& overlay = overlays_.at(key);
    if (overlay.before != overlay.now)
      changes.push_back({overlay.path, overlay.before, overlay.now, overlay.copied_from});
  }
  return changes;
}

bool RecordingFiles::NormalFileExists(const std::string& path) {
  const Overlay* overlay = Find(path);
  return overlay != nullptr ? overlay->now.has_value() : real_.NormalFileExists(path);
}

bool RecordingFiles::FolderExists(const std::string& path) {
  if (removed_keys_.count(Key(path)) != 0) return false;
  return created_keys_.count(Key(path)) != 0 || real_.FolderExists(path);
}

std::vector<std::string> RecordingFiles::ListSubfolders(const std::string& path) {
  std::vector<std::string> names;
  if (real_.FolderExists(path)) names = real_.ListSubfolders(path);
  const std::string parent = Key(path) + "\\";
  for (const std::string& folder : created_folders_) {
    const std::string key = Key(folder);
    if (key.starts_with(parent) && key.find('\\', parent.size()) == std::string::npos) {
      names.push_back(folder.substr(folder.find_last_of('\\') + 1));
    }
  }
  std::erase_if(
      names, [&](const std::string& name) { return removed_keys_.count(Key(parent + name)) != 0; });
  SortNames(names);
  return names;
}

std::vector<std::string> RecordingFiles::ListFiles(const std::string& path) {
  std::vector<std::string> names;
  if (real_.FolderExists(path)) names = real_.ListFiles(path);
  const std::string parent = Key(path) + "\\";
  std::erase_if(names, [&](const std::string& name) {
    const Overlay* overlay = Find(parent + name);
    return overlay != nullptr && !overlay->now;
  });
  for (const auto& [key, overlay] : overlays_) {
    if (!overlay.now || !key.starts_with(parent) ||
        key.find('\\', parent.size()) != std::string::npos) {
      continue;
    }
    const std::string name = overlay.path.substr(overlay.path.find_last_of('\\') + 1);
    bool listed = false;
    for (const std::string& known : names) listed = listed || Key(known) == Key(name);
    if (!listed) names.push_back(name);
  }
  SortNames(names);
  return names;
}

bool RecordingFiles::DeleteFile(const std::string& path) {
  if (!Stamp(path).exists) return false;
  Overlay& overlay = Touch(path);
  overlay.now.reset();
  overlay.copied_from.clear();
  overlay.generation = ++generation_;
  return true;
}

bool RecordingFiles::RemoveEmptyFolder(const std::string& path) {
  if (!FolderExists(path) || !ListFiles(path).empty() || !ListSubfolders(path).empty()) {
    return false;
  }
  removed_folders_.push_back(path);
  removed_keys_.insert(Key(path));
  created_keys_.erase(Key(path));
  return true;
}

void RecordingFiles::CreateFolders(const std::string& given) {
  // "E:\Scenery\vlrna\" is the folder "E:\Scenery\vlrna".
  std::string path = given;
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  removed_keys_.erase(Key(path));
  if (FolderExists(path)) return;
  const std::string parent = FolderOf(path);
  if (!parent.empty() && parent.size() > 2) CreateFolders(parent);
  created_folders_.push_back(path);
  created_keys_.insert(Key(path));
}

std::string RecordingFiles::ReadFile(const std::string& path) {
  const Overlay* overlay = Find(path);
  if (overlay == nullptr) return real_.ReadFile(path);
  if (!overlay->now) throw Failure(kErrFileNotFound, path);
  return *overlay->now;
}

std::string RecordingFiles::ReadAt(const std::string& path, uint64_t offset, size_t count) {
  const Overlay* overlay = Find(path);
  if (overlay == nullptr) return real_.ReadAt(path, offset, count);
  const std::string content = ReadFile(path);
  return offset >= content.size() ? "" : content.substr(offset, count);
}

void RecordingFiles::WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) {
  if (pass_through_ && pass_through_(path)) return real_.WriteAt(path, offset, bytes);
  RequireFolderOf(path);
  Overlay& overlay = Touch(path);
  std::string content = overlay.now.value_or("");
  if (content.size() < offset + bytes.size()) content.resize(offset + bytes.size(), '\0');
  content.replace(offset, bytes.size(), bytes);
  overlay.now = std::move(content);
  overlay.copied_from.clear();
  overlay.generation = ++generation_;
}

void RecordingFiles::AppendToFile(const std::string& path, std::string_view bytes) {
  if (pass_through_ && pass_through_(path)) return real_.AppendToFile(path, bytes);
  RequireFolderOf(path);
  Overlay& overlay = Touch(path);
  overlay.now = overlay.now.value_or("") + std::string(bytes);
  overlay.copied_from.clear();
  overlay.generation = ++generation_;
}

void RecordingFiles::CopyFile(const std::string& from, const std::string& to) {
  std::string content = ReadFile(from);
  RequireFolderOf(to);
  Overlay& overlay = Touch(to);
  overlay.now = std::move(content);
  overlay.copied_from = from;
  overlay.generation = ++generation_;
}

void RecordingFiles::ReplaceFileAtomically(const std::string& path, std::string_view content) {
  RequireFolderOf(path);
  Overlay& overlay = Touch(path);
  overlay.now = std::string(content);
  overlay.copied_from.clear();
  overlay.generation = ++generation_;
}

FileStamp RecordingFiles::Stamp(const std::string& path) {
  const Overlay* overlay = Find(path);
  if (overlay == nullptr) return real_.Stamp(path);
  if (!overlay->now) return {};
  // A stamp no file on the machine has, new with every write.
  return {true, ~overlay->generation, overlay->now->size(),
          static_cast<int64_t>(overlay->generation)};
}

}  // namespace vlrna
