#ifndef VLRNA_SHELL_FOLDER_LISTS_H_
#define VLRNA_SHELL_FOLDER_LISTS_H_

#include <string>

#include "platform/page_model.h"
#include "shell/context.h"

namespace vlrna {

// The contents of a drive list and a folder list (see kDriveList and
// kFolderList in page_model.h), filled from the machine as the classic
// controls fill themselves. None of these runs a page's change handler: the
// page does that after a change, as the controls would.

// Fills `list` with the machine's drives. The chosen drive stays chosen while
// it is still there; otherwise drive C, or the first drive, is chosen.
void FillDriveList(Context& ctx, Control& list);

// Chooses the drive whose letter is the first character of `drive` (any
// case), refilling the list once when it lacks it. Raises RuntimeError 68
// (Device unavailable) when the machine has no such drive.
void ChooseDrive(Context& ctx, Control& list, const std::string& drive);

// The folder that `path` names when `current` is the folder shown ("C:\FSX",
// or empty for none): "X:" is the root of drive X, "X:\a" and "\a" are taken
// from a root (the current drive's for "\a"), other texts from `current`.
// "." and ".." steps are followed, never above the root. The result is
// "X:\a\b" with the letter in capitals, or "X:\" for a root.
std::string ResolveFolder(const std::string& current, const std::string& path);

// Shows `folder` (as ResolveFolder gives it) in the folder list: its text, the
// chain from the root down to it, then its subfolders. Raises RuntimeError
// and leaves the list as it was: 68 when the machine has no such drive, 71
// (Disk not ready) when the drive is not ready or its root cannot be listed,
// 76 (Path not found) when the folder does not exist, the file system's error
// when it cannot be listed.
void ShowFolder(Context& ctx, Control& list, const std::string& folder);

}  // namespace vlrna

#endif  // VLRNA_SHELL_FOLDER_LISTS_H_
