#include "platform/fake/fake_files.h"

#include <algorithm>

#include "platform/ascii_case.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

const char kSource[] = "FakeFiles";

// The parent folder of a Windows path, or empty at a drive root.
std::string Parent(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return "";
  return path.substr(0, slash);
}

RuntimeError Error(int32_t number, const std::string& path) {
  return RuntimeError(number, DescribeErrorNumber(number) + ": " + path, kSource);
}

}  // namespace

std::string FakeFiles::Key(const std::string& path) {
  std::string key = AsciiLower(path);
  while (key.size() > 2 && key.back() == '\\') key.pop_back();
  return key;
}

void FakeFiles::AddFile(const std::string& path, std::string content) {
  std::string parent = Parent(Key(path));
  if (!parent.empty()) AddFolder(Parent(path));
  Entry& e = files_[Key(path)];
  e.content = std::move(content);
  Touch(e);
}

void FakeFiles::AddFolder(const std::string& path) {
  std::string key = Key(path);
  if (key.empty()) return;
  folders_.emplace(key, path);
  std::string parent = Parent(key);
  if (!parent.empty() && parent != key) AddFolder(Parent(path));
}

void FakeFiles::SetHidden(const std::string& path, bool hidden) { Existing(path).hidden = hidden; }
void FakeFiles::SetSystem(const std::string& path, bool system) { Existing(path).system = system; }
void FakeFiles::Break(const std::string& path, int32_t error_number) {
  broken_[Key(path)] = error_number;
}
void FakeFiles::Remove(const std::string& path) { files_.erase(Key(path)); }

bool FakeFiles::HasFile(const std::string& path) const { return files_.count(Key(path)) > 0; }

std::string FakeFiles::Content(const std::string& path) const {
  auto it = files_.find(Key(path));
  return it == files_.end() ? "" : it->second.content;
}

void FakeFiles::CheckBroken(const std::string& path) const {
  auto it = broken_.find(Key(path));
  if (it != broken_.end()) throw Error(it->second, path);
}

FakeFiles::Entry& FakeFiles::Existing(const std::string& path) {
  CheckBroken(path);
  auto it = files_.find(Key(path));
  if (it == files_.end()) throw Error(kErrFileNotFound, path);
  return it->second;
}

FakeFiles::Entry& FakeFiles::Writable(const std::string& path) {
  CheckBroken(path);
  std::string parent = Parent(Key(path));
  if (parent.size() > 2 && folders_.count(parent) == 0) throw Error(kErrPathNotFound, path);
  if (folders_.count(Key(path))) throw Error(kErrPathFileAccess, path);
  Entry& e = files_[Key(path)];
  if (e.identity == 0) e.identity = next_identity_++;
  return e;
}

void FakeFiles::Touch(Entry& entry) {
  if (entry.identity == 0) entry.identity = next_identity_++;
  entry.modified_ns = ++clock_ns_;
}

bool FakeFiles::NormalFileExists(const std::string& path) {
  auto it = files_.find(Key(path));
  return it != files_.end() && !it->second.hidden && !it->second.system;
}

bool FakeFiles::FolderExists(const std::string& path) {
  std::string key = Key(path);
  if (key.size() == 2 && key[1] == ':') return true;
  return folders_.count(key) > 0;
}

namespace {

// A folder as it was spelled when made, without a trailing backslash.
std::string SpellingOf(const std::string& key, const std::string& spelling) {
  std::string s = spelling.empty() ? key : spelling;
  while (s.size() > 3 && s.back() == '\\') s.pop_back();
  return s;
}
std::string SpellingOf(const std::string& key, const FakeFiles::Entry&) { return key; }

}  // namespace

template <typename Map>
std::vector<std::string> FakeFiles::NamesIn(const std::string& path, const Map& names) {
  std::string prefix = Key(path) + "\\";
  std::vector<std::string> found;
  for (const auto& [key, value] : names) {
    if (key.size() > prefix.size() && key.compare(0, prefix.size(), prefix) == 0 &&
        key.find('\\', prefix.size()) == std::string::npos) {
      std::string spelling = SpellingOf(key, value);
      found.push_back(spelling.substr(spelling.find_last_of('\\') + 1));
    }
  }
  std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
    return AsciiLower(a) < AsciiLower(b);
  });
  return found;
}

std::vector<std::string> FakeFiles::ListSubfolders(const std::string& path) {
  CheckBroken(path);
  if (!FolderExists(path)) throw Error(kErrPathNotFound, path);
  return NamesIn(path, folders_);
}

std::vector<std::string> FakeFiles::ListFiles(const std::string& path) {
  CheckBroken(path);
  if (!FolderExists(path)) throw Error(kErrPathNotFound, path);
  return NamesIn(path, files_);
}

bool FakeFiles::DeleteFile(const std::string& path) {
  CheckBroken(path);
  if (folders_.count(Key(path))) throw Error(kErrPathFileAccess, path);
  if (files_.erase(Key(path)) == 0) return false;
  journal_.push_back("delete " + path);
  return true;
}

bool FakeFiles::RemoveEmptyFolder(const std::string& path) {
  CheckBroken(path);
  std::string key = Key(path);
  if (folders_.count(key) == 0) return false;
  std::string prefix = key + "\\";
  auto inside = [&prefix](const auto& entry) { return entry.first.starts_with(prefix); };
  if (std::any_of(files_.begin(), files_.end(), inside) ||
      std::any_of(folders_.begin(), folders_.end(), inside)) {
    return false;
  }
  folders_.erase(key);
  journal_.push_back("rmdir " + path);
  return true;
}

void FakeFiles::CreateFolders(const std::string& path) {
  CheckBroken(path);
  journal_.push_back("mkdir " + path);
  AddFolder(path);
}

std::string FakeFiles::ReadFile(const std::string& path) { return Existing(path).content; }

std::string FakeFiles::ReadAt(const std::string& path, uint64_t offset, size_t count) {
  const std::string& content = Existing(path).content;
  if (offset >= content.size()) return "";
  return content.substr(offset, count);
}

void FakeFiles::WriteAt(const std::string& path, uint64_t offset, std::string_view bytes) {
  Entry& e = Writable(path);
  if (e.content.size() < offset + bytes.size()) e.content.resize(offset + bytes.size(), '\0');
  e.content.replace(offset, bytes.size(), bytes);
  Touch(e);
  journal_.push_back("write " + path);
}

void FakeFiles::AppendToFile(const std::string& path, std::string_view bytes) {
  Entry& e = Writable(path);
  e.content.append(bytes);
  Touch(e);
  journal_.push_back("append " + path);
}

void FakeFiles::CopyFile(const std::string& from, const std::string& to) {
  std::string content = Existing(from).content;
  Entry& e = Writable(to);
  e.content = std::move(content);
  Touch(e);
  journal_.push_back("copy " + from + " -> " + to);
}

void FakeFiles::ReplaceFileAtomically(const std::string& path, std::string_view content) {
  Entry& e = Writable(path);
  e.content.assign(content);
  e.identity = next_identity_++;  // a rename puts a new file in place
  Touch(e);
  journal_.push_back("replace " + path);
}

FileStamp FakeFiles::Stamp(const std::string& path) {
  auto it = files_.find(Key(path));
  if (it == files_.end()) return {};
  return {true, it->second.identity, it->second.content.size(), it->second.modified_ns};
}

}  // namespace vlrna
