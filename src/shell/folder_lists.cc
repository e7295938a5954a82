#include "shell/folder_lists.h"

#include <vector>

#include "platform/ascii_case.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

bool StartsWithDrive(const std::string& path) {
  return path.size() >= 2 && AsciiLower(path[0]) >= 'a' && AsciiLower(path[0]) <= 'z' &&
         path[1] == ':';
}

// The index of the item of drive `letter`, or -1.
int32_t FindDrive(const Control& list, char letter) {
  for (size_t i = 0; i < list.items.size(); ++i) {
    const std::string& item = list.items[i];
    if (!item.empty() && AsciiLower(item[0]) == AsciiLower(letter)) return static_cast<int32_t>(i);
  }
  return -1;
}

void Choose(Control& list, int32_t index) {
  list.list_index = index;
  list.text = index < 0 ? "" : list.items[index];
}

// Follows the steps of `path` (separated by backslashes) from `steps`.
void Walk(std::vector<std::string>& steps, const std::string& path) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    std::string step = path.substr(start, end - start);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(step);
    }
    start = end + 1;
  }
}

RuntimeError ListError(int32_t number, const std::string& folder) {
  return RuntimeError(number, DescribeErrorNumber(number), "FolderList " + folder);
}

}  // namespace

void FillDriveList(Context& ctx, Control& list) {
  const char chosen = list.text.empty() ? 'c' : list.text[0];
  list.items = ctx.platform.drives.List();
  int32_t index = FindDrive(list, chosen);
  if (index < 0) index = FindDrive(list, 'c');
  if (index < 0 && !list.items.empty()) index = 0;
  Choose(list, index);
}

void ChooseDrive(Context& ctx, Control& list, const std::string& drive) {
  const char letter = drive.empty() ? '\0' : drive[0];
  int32_t index = FindDrive(list, letter);
  if (index < 0) {
    FillDriveList(ctx, list);
    index = FindDrive(list, letter);
  }
  if (letter == '\0' || index < 0) throw ListError(kErrDeviceUnavailable, drive);
  Choose(list, index);
}

std::string ResolveFolder(const std::string& current, const std::string& path) {
  std::string base = StartsWithDrive(current) ? current : "C:\\";
  std::string rest = path;
  if (StartsWithDrive(path)) {
    // Only the drive shown has a current folder other than its root.
    if (AsciiLower(path[0]) != AsciiLower(base[0])) base = path.substr(0, 2);
    rest = path.substr(2);
  }
  if (!rest.empty() && rest[0] == '\\') base = base.substr(0, 2);
  std::vector<std::string> steps;
  Walk(steps, base.substr(2));
  Walk(steps, rest);
  std::string folder = {AsciiUpper(base[0]), ':', '\\'};
  for (size_t i = 0; i < steps.size(); ++i) folder += (i == 0 ? "" : "\\") + steps[i];
  return folder;
}

void ShowFolder(Context& ctx, Control& list, const std::string& folder) {
  const std::string root = folder.substr(0, 3);
  if (!ctx.platform.drives.IsReady(root)) throw ListError(kErrDeviceUnavailable, folder);
  std::vector<std::string> names;
  if (folder == root) {
    try {
      names = ctx.platform.files.ListSubfolders(root);
    } catch (const RuntimeError&) {
      throw ListError(kErrDiskNotReady, folder);
    }
  } else {
    if (!ctx.platform.files.FolderExists(folder)) throw ListError(kErrPathNotFound, folder);
    names = ctx.platform.files.ListSubfolders(folder);
  }
  std::vector<std::string> items = {root};
  for (size_t end = folder.find('\\', 3); end != std::string::npos;
       end = folder.find('\\', end + 1)) {
    items.push_back(folder.substr(0, end));
  }
  if (folder != root) items.push_back(folder);
  list.list_index = static_cast<int32_t>(items.size()) - 1;
  const std::string prefix = folder == root ? folder : folder + "\\";
  for (const std::string& name : names) items.push_back(prefix + name);
  list.items = std::move(items);
  list.text = folder;
}

}  // namespace vlrna
