#ifndef VLRNA_PLATFORM_WIN32_GUI_WIN32_FOLDER_ROWS_H_
#define VLRNA_PLATFORM_WIN32_GUI_WIN32_FOLDER_ROWS_H_

#include <string>
#include <vector>

namespace vlrna {

// One row of a folder list as the classic directory list box draws it.
struct FolderRow {
  std::string label;  // the folder's own name; a drive's root as "C:\"
  int depth = 0;      // below the drive's root: "C:\" 0, "C:\FSX" 1
  bool open = false;  // the current folder or one above it: an open folder
  bool current = false;
};

// The rows for a folder list's items (full Windows paths) when `current` is
// the open folder. Case is ignored as Windows ignores it; a trailing
// backslash does not count.
std::vector<FolderRow> FolderRows(const std::vector<std::string>& items,
                                  const std::string& current);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_GUI_WIN32_FOLDER_ROWS_H_
