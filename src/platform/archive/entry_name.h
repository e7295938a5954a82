#ifndef VLRNA_PLATFORM_ARCHIVE_ENTRY_NAME_H_
#define VLRNA_PLATFORM_ARCHIVE_ENTRY_NAME_H_

#include <string>
#include <string_view>
#include <vector>

namespace vlrna {

// The verdict on an archive entry's name (8-bit text; both '/' and '\'
// separate folders). An accepted name gives its folder and file name parts,
// without empty or "." parts; a refused one gives the reason.
struct EntryNameCheck {
  std::vector<std::string> parts;
  std::string refusal;

  bool accepted() const { return refusal.empty(); }
};

// Judges a name so that no accepted name can leave the folder it is unpacked
// into on Windows or on Linux: refuses absolute paths, drive letters, UNC
// paths, ".." parts, ':' (alternate data streams), NUL and other control
// characters, the characters Windows forbids in names, parts that Windows
// would shorten (trailing dots or blanks) and device names (CON, NUL, COM1..).
EntryNameCheck CheckEntryName(std::string_view name);

// Resolves the "." and ".." steps of a Windows folder path the way Windows
// does, without looking at the disk: "D:\Scenery\vlrna\..\" gives
// "D:\Scenery\". A ".." at the root stays at the root. The result ends in one
// backslash; '/' counts as '\'.
std::string ResolveWindowsFolder(std::string_view path);

// `name` with control characters shown as '?', for messages and logs.
std::string PrintableName(std::string_view name);

// `name` as stored, whatever its bytes: printable ASCII as it is, every
// other byte as \xNN.
std::string EscapedName(std::string_view name);

// The message for an archive refused because of one of its entries, shown
// as `shown_name`.
std::string EntryRefusal(const std::string& archive_path, const std::string& shown_name,
                         const std::string& why);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ENTRY_NAME_H_
