#ifndef VLRNA_DESTINATION_DESTINATION_FOLDER_H_
#define VLRNA_DESTINATION_DESTINATION_FOLDER_H_

#include <string>

namespace vlrna {

// The free bytes a destination drive must have more than.
inline constexpr double kRequiredFreeBytes = 14'000'000'000.0;

// True when `path` names a folder from the root of a drive: a letter, a colon
// and a backslash, then names without a ".." step and without the characters
// Windows forbids in names (<>:"/|?* and control characters). Doubled
// backslashes are tolerated. "C:\" and "D:\Scenery" pass; "Scenery",
// "C:Scenery", "\\server\share" and "C:\a\..\b" do not.
bool IsAbsoluteDrivePath(const std::string& path);

// The installation folder for a chosen `folder`: the folder with one
// trailing backslash followed by "vlrna\", unless its last name already is
// vlrna (in any case). "C:\" gives "C:\vlrna\", "D:\Games" and "D:\Games\"
// give "D:\Games\vlrna\", "D:\Games\VLRNA" gives "D:\Games\VLRNA\".
std::string DestinationFromFolder(const std::string& folder);

}  // namespace vlrna

#endif  // VLRNA_DESTINATION_DESTINATION_FOLDER_H_
