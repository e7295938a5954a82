#include "platform/win32/gui/win32_folder_rows.h"

#include <algorithm>

#include "platform/ascii_case.h"

namespace vlrna {
namespace {

std::string Normalised(const std::string& folder) {
  std::string n = AsciiLower(folder);
  while (!n.empty() && n.back() == '\\') n.pop_back();
  return n;
}

std::string LabelOf(const std::string& folder) {
  std::string n = folder;
  while (!n.empty() && n.back() == '\\') n.pop_back();
  const size_t slash = n.rfind('\\');
  if (slash != std::string::npos) return n.substr(slash + 1);
  return n.size() == 2 && n[1] == ':' ? n + '\\' : n;
}

bool IsOpen(const std::string& folder, const std::string& current) {
  return current == folder ||
         (current.size() > folder.size() && current.compare(0, folder.size(), folder) == 0 &&
          current[folder.size()] == '\\');
}

}  // namespace

std::vector<FolderRow> FolderRows(const std::vector<std::string>& items,
                                  const std::string& current) {
  const std::string open = Normalised(current);
  std::vector<FolderRow> rows;
  for (const std::string& item : items) {
    const std::string folder = Normalised(item);
    FolderRow row;
    row.label = LabelOf(item);
    row.depth = static_cast<int>(std::count(folder.begin(), folder.end(), '\\'));
    row.open = !folder.empty() && IsOpen(folder, open);
    row.current = !folder.empty() && folder == open;
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace vlrna
