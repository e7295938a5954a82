#include "platform/archive/entry_name.h"

#include <algorithm>
#include <array>

#include "platform/ascii_case.h"

namespace vlrna {
namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::vector<std::string_view> SplitParts(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || IsSeparator(text[i])) {
      if (i > start) parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 name devices on Windows, with any
// extension and with trailing blanks.
bool IsDeviceName(std::string_view part) {
  std::string stem = AsciiUpper(part.substr(0, part.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

// The reason a single part of a name is refused, or "".
std::string JudgePart(std::string_view part) {
  if (part == "..") return "it contains a '..' step";
  for (char c : part) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\0') return "it contains a NUL character";
    if (c == ':') return "it contains ':' (a drive or an alternate data stream)";
    if (u < 0x20 || std::string_view("<>\"|?*").find(c) != std::string_view::npos) {
      return "it contains a character that file names cannot hold";
    }
  }
  if (part.back() == '.' || part.back() == ' ') return "a part of it ends in a dot or a blank";
  if (IsDeviceName(part)) return "it names a device";
  return "";
}

}  // namespace

EntryNameCheck CheckEntryName(std::string_view name) {
  EntryNameCheck check;
  if (name.size() >= 2 && IsSeparator(name[0]) && IsSeparator(name[1])) {
    check.refusal = "it is a UNC path";
  } else if (!name.empty() && IsSeparator(name[0])) {
    check.refusal = "it is an absolute path";
  } else if (name.size() >= 2 && name[1] == ':' && IsAsciiLetter(name[0])) {
    check.refusal = "it starts with a drive letter";
  }
  if (!check.accepted()) return check;
  for (std::string_view part : SplitParts(name)) {
    if (part == ".") continue;
    check.refusal = JudgePart(part);
    if (!check.accepted()) {
      check.parts.clear();
      return check;
    }
    check.parts.emplace_back(part);
  }
  if (check.parts.empty()) check.refusal = "it is empty";
  return check;
}

std::string ResolveWindowsFolder(std::string_view path) {
  // The root that ".." cannot climb above: "D:", \\server\share, or nothing for a
  // path from the current drive's root or a relative one.
  std::string root;
  std::vector<std::string_view> parts;
  if (path.size() >= 2 && path[1] == ':') {
    root = std::string(path.substr(0, 2));
    parts = SplitParts(path.substr(2));
  } else {
    parts = SplitParts(path);
    bool unc = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
    if (unc && parts.size() >= 2 && parts[0] != "." && parts[0] != ".." && parts[1] != "." &&
        parts[1] != "..") {
      root = "\\\\" + std::string(parts[0]) + "\\" + std::string(parts[1]);
      parts.erase(parts.begin(), parts.begin() + 2);
    }
  }
  std::vector<std::string_view> kept;
  for (std::string_view part : parts) {
    if (part == ".") continue;
    if (part == "..") {
      if (!kept.empty()) kept.pop_back();
      continue;
    }
    kept.push_back(part);
  }
  bool relative = root.empty() && (path.empty() || !IsSeparator(path[0]));
  std::string result = relative ? "" : root + "\\";
  for (std::string_view part : kept) result += std::string(part) + "\\";
  return result;
}

std::string PrintableName(std::string_view name) {
  std::string result(name);
  for (char& c : result) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return result;
}

std::string EscapedName(std::string_view name) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string result;
  result.reserve(name.size());
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7f) {
      result += c;
    } else {
      result += {'\\', 'x', kHex[u >> 4], kHex[u & 15]};
    }
  }
  return result;
}

std::string EntryRefusal(const std::string& archive_path, const std::string& shown_name,
                         const std::string& why) {
  return "Archive " + archive_path + " holds the entry " + shown_name +
         ", which is refused because " + why + "; nothing of the archive was unpacked";
}

}  // namespace vlrna
