#include "preview/change_summary.h"

#include <cstdio>
#include <optional>

#include "platform/ascii_case.h"
#include "preview/text_diff.h"
#include "simconfig/autogen_scan.h"
#include "simconfig/ini_document.h"
#include "simconfig/terrain_setting.h"
#include "simconfig/text_encoding.h"

namespace vlrna {
namespace {

std::string Bytes(uint64_t count) {
  if (count < 1'000'000) return std::to_string(count) + " bytes";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(count) / 1e6);
  return text;
}

bool IsAutogenFile(const std::string& path) { return AsciiLower(path).ends_with(".spb"); }

// The file's characters as UTF-8; none when it holds bytes no text has.
std::optional<std::string> TextOf(const std::optional<std::string>& bytes,
                                  const AnsiCodePage& code_page) {
  if (!bytes) return std::string();
  DecodedText decoded = DecodeText(*bytes);
  if (decoded.text.find('\0') != std::string::npos || !decoded.tail.empty()) return std::nullopt;
  if (decoded.encoding == TextEncoding::kAnsi) return code_page.AnsiToUtf8(decoded.text);
  return decoded.text;
}

std::string TerrainValue(const std::optional<std::string>& bytes, const AnsiCodePage& code_page) {
  if (!bytes) return "(no file)";
  IniDocument document = IniDocument::Parse(*bytes, code_page);
  if (!document.HasSection(kTerrainSection)) return "(no section)";
  std::optional<std::string> value = document.Find(kTerrainSection, kTerrainKey);
  return value ? *value : "(no key)";
}

void DescribeAutogen(const RecordedChange& change, std::vector<std::string>& out) {
  const std::string before = change.before.value_or("");
  const std::string after = change.after.value_or("");
  size_t first = 0;
  while (first < before.size() && first < after.size() && before[first] == after[first]) ++first;
  size_t tail = 0;
  while (tail < before.size() - first && tail < after.size() - first &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  out.push_back(
      "  descriptions of the package: " + std::to_string(ScanAutogenDescriptions(before).markers) +
      " -> " + std::to_string(ScanAutogenDescriptions(after).markers));
  out.push_back("  at offset " + std::to_string(first) + ": " +
                std::to_string(before.size() - first - tail) + " bytes replaced by " +
                std::to_string(after.size() - first - tail) + " (" + Bytes(before.size()) + " -> " +
                Bytes(after.size()) + ")");
}

void DescribeFile(const RecordedChange& change, const AnsiCodePage& code_page,
                  std::vector<std::string>& out) {
  const std::string path = code_page.AnsiToUtf8(change.path);
  if (!change.after) {
    out.push_back("Deleted: " + path + " (" + Bytes(change.before->size()) + ")");
    return;
  }
  if (!change.before) {
    std::string line = "New file: " + path + " (" + Bytes(change.after->size());
    if (!change.copied_from.empty())
      line += ", a copy of " + code_page.AnsiToUtf8(change.copied_from);
    out.push_back(line + ")");
    if (!change.copied_from.empty() || IsAutogenFile(change.path)) return;
  } else {
    out.push_back("Changed: " + path);
  }
  if (IsAutogenFile(change.path)) return DescribeAutogen(change, out);
  const std::optional<std::string> before = TextOf(change.before, code_page);
  const std::optional<std::string> after = TextOf(change.after, code_page);
  if (!before || !after) {
    out.push_back("  " + Bytes(change.before.value_or("").size()) + " -> " +
                  Bytes(change.after->size()));
    return;
  }
  const std::string old_terrain = TerrainValue(change.before, code_page);
  const std::string new_terrain = TerrainValue(change.after, code_page);
  if (old_terrain != new_terrain) {
    out.push_back(std::string("  [") + kTerrainSection + "] " + kTerrainKey + ": " + old_terrain +
                  " -> " + new_terrain);
  }
  out.push_back("  --- " + path);
  out.push_back("  +++ " + path);
  for (const std::string& line : UnifiedDiff(SplitLines(*before), SplitLines(*after))) {
    out.push_back("  " + line);
  }
}

}  // namespace

std::vector<std::string> DescribeChanges(const RecordingFiles& files,
                                         const std::vector<PlannedUnpack>& unpacks,
                                         const AnsiCodePage& code_page) {
  std::vector<std::string> out;
  uint64_t total = 0;
  for (const PlannedUnpack& unpack : unpacks) {
    out.push_back("Unpack: " + code_page.AnsiToUtf8(unpack.archive) + " into " +
                  code_page.AnsiToUtf8(unpack.destination) + " (" + Bytes(unpack.bytes) + ")");
    total += unpack.bytes;
  }
  if (!unpacks.empty()) {
    out.push_back("Unpacked in all: " + std::to_string(unpacks.size()) + " archives, " +
                  Bytes(total));
  }
  for (const std::string& folder : files.CreatedFolders()) {
    out.push_back("New folder: " + code_page.AnsiToUtf8(folder));
  }
  for (const RecordedChange& change : files.Changes()) DescribeFile(change, code_page, out);
  if (out.empty()) out.push_back("Nothing would change.");
  return out;
}

}  // namespace vlrna
