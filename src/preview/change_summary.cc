#include "preview/change_summary.h"

#include <cstdio>
#include <optional>

#include "platform/ascii_case.h"
#include "preview/text_diff.h"
#include "shell/install_log.h"
#include "shell/message_catalogue.h"
#include "simconfig/autogen_scan.h"
#include "simconfig/ini_document.h"
#include "simconfig/terrain_setting.h"
#include "simconfig/text_encoding.h"

namespace vlrna {
namespace {

// Megabytes of 1,000,000 bytes with one decimal.
std::string Megabytes(uint64_t count, char decimal_point) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(count) / 1e6);
  std::string result = text;
  for (char& c : result) c = c == '.' ? decimal_point : c;
  return result;
}

std::string Fill(std::string phrase,
                 std::initializer_list<std::pair<const char*, std::string>> values) {
  for (const auto& [name, value] : values) ReplaceAll(phrase, name, value);
  return phrase;
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

class Describer {
 public:
  Describer(const AnsiCodePage& code_page, const SummaryPhrases& phrases)
      : code_page_(code_page), phrases_(phrases) {}

  void Unpacks(const std::vector<PlannedUnpack>& unpacks);
  void Folders(const std::vector<std::string>& folders, const std::string& phrase);
  void File(const RecordedChange& change);
  std::vector<std::string> Lines() {
    if (out_.empty()) out_.push_back(phrases_.nothing);
    return std::move(out_);
  }

 private:
  std::string Utf8(const std::string& ansi) const { return code_page_.AnsiToUtf8(ansi); }
  void Autogen(const RecordedChange& change);
  void Text(const RecordedChange& change);

  const AnsiCodePage& code_page_;
  const SummaryPhrases& phrases_;
  std::vector<std::string> out_;
};

void Describer::Unpacks(const std::vector<PlannedUnpack>& unpacks) {
  uint64_t bytes = 0, files = 0;
  for (const PlannedUnpack& unpack : unpacks) {
    out_.push_back(
        Fill(phrases_.unpack, {{"%ARCHIVE%", Utf8(unpack.archive)},
                               {"%FOLDER%", Utf8(unpack.destination)},
                               {"%FILES%", std::to_string(unpack.files)},
                               {"%MB%", Megabytes(unpack.bytes, phrases_.decimal_point)}}));
    bytes += unpack.bytes;
    files += unpack.files;
  }
  if (unpacks.empty()) return;
  out_.push_back(Fill(phrases_.in_all, {{"%COUNT%", std::to_string(unpacks.size())},
                                        {"%FILES%", std::to_string(files)},
                                        {"%MB%", Megabytes(bytes, phrases_.decimal_point)}}));
}

void Describer::Folders(const std::vector<std::string>& folders, const std::string& phrase) {
  for (const std::string& folder : folders) {
    out_.push_back(Fill(phrase, {{"%PATH%", Utf8(folder)}}));
  }
}

void Describer::File(const RecordedChange& change) {
  const std::string path = Utf8(change.path);
  if (!change.after) {
    out_.push_back(Fill(phrases_.deleted,
                        {{"%PATH%", path}, {"%BYTES%", std::to_string(change.before->size())}}));
    return;
  }
  const std::string size = std::to_string(change.after->size());
  if (!change.before && !change.copied_from.empty()) {
    out_.push_back(
        Fill(phrases_.new_copy,
             {{"%PATH%", path}, {"%BYTES%", size}, {"%SOURCE%", Utf8(change.copied_from)}}));
    return;
  }
  // A new file is named with its size: all of it would be added.
  if (!change.before) {
    out_.push_back(Fill(phrases_.new_file, {{"%PATH%", path}, {"%BYTES%", size}}));
    return;
  }
  out_.push_back(Fill(phrases_.changed, {{"%PATH%", path}}));
  if (IsAutogenFile(change.path)) return Autogen(change);
  Text(change);
}

void Describer::Autogen(const RecordedChange& change) {
  const std::string before = change.before.value_or("");
  const std::string after = change.after.value_or("");
  size_t first = 0;
  while (first < before.size() && first < after.size() && before[first] == after[first]) ++first;
  size_t tail = 0;
  while (tail < before.size() - first && tail < after.size() - first &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  out_.push_back("  " +
                 Fill(phrases_.descriptions,
                      {{"%BEFORE%", std::to_string(ScanAutogenDescriptions(before).markers)},
                       {"%AFTER%", std::to_string(ScanAutogenDescriptions(after).markers)}}));
  out_.push_back("  " + Fill(phrases_.bytes_replaced,
                             {{"%OFFSET%", std::to_string(first)},
                              {"%OLD%", std::to_string(before.size() - first - tail)},
                              {"%NEW%", std::to_string(after.size() - first - tail)}}));
}

void Describer::Text(const RecordedChange& change) {
  const std::optional<std::string> before = TextOf(change.before, code_page_);
  const std::optional<std::string> after = TextOf(change.after, code_page_);
  if (!before || !after) return;  // the size said it all
  const std::string old_terrain = TerrainValue(change.before, code_page_);
  const std::string new_terrain = TerrainValue(change.after, code_page_);
  // Files without the section (the record, scenery.cfg) say nothing of it.
  auto in_section = [](const std::string& v) { return v != "(no file)" && v != "(no section)"; };
  const bool has_terrain = in_section(old_terrain) || in_section(new_terrain);
  if (has_terrain && old_terrain != new_terrain) {
    out_.push_back(std::string("  [") + kTerrainSection + "] " + kTerrainKey + ": " + old_terrain +
                   " -> " + new_terrain);
  }
  const std::string path = Utf8(change.path);
  out_.push_back("  --- " + path);
  out_.push_back("  +++ " + path);
  for (const std::string& line : UnifiedDiff(SplitLines(*before), SplitLines(*after))) {
    out_.push_back("  " + line);
  }
}

}  // namespace

SummaryPhrases SummaryPhrasesFromCatalogue(const ProgramState& state,
                                           const AnsiCodePage& code_page) {
  auto text = [&](size_t number) { return code_page.AnsiToUtf8(state.MessageCatalogue[number]); };
  SummaryPhrases phrases;
  phrases.unpack = text(78);
  phrases.in_all = text(79);
  phrases.new_folder = text(80);
  phrases.removed_folder = text(74);
  phrases.new_file = text(81);
  phrases.new_copy = text(82);
  phrases.changed = text(83);
  phrases.deleted = text(84);
  phrases.descriptions = text(85);
  phrases.bytes_replaced = text(86);
  phrases.nothing = text(87);
  phrases.decimal_point = state.gsLanguage == "E" ? '.' : ',';
  return phrases;
}

std::vector<std::string> DescribeChanges(const RecordingFiles& files,
                                         const std::vector<PlannedUnpack>& unpacks,
                                         const AnsiCodePage& code_page,
                                         const SummaryPhrases& phrases) {
  Describer describer(code_page, phrases);
  describer.Unpacks(unpacks);
  describer.Folders(files.CreatedFolders(), phrases.new_folder);
  for (const RecordedChange& change : files.Changes()) {
    if (!IsInstallLogPath(change.path)) describer.File(change);
  }
  describer.Folders(files.RemovedFolders(), phrases.removed_folder);
  return describer.Lines();
}

}  // namespace vlrna
