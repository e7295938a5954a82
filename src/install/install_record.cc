#include "install/install_record.h"

#include <charconv>
#include <string_view>

#include "platform/ascii_case.h"

namespace vlrna {
namespace {

constexpr char kFirstLine[] = "; Veltrona installation record";
constexpr char kHexDigits[] = "0123456789ABCDEF";

// The item of `items` (const or not) for `path`, or nullptr.
template <typename Items>
auto FindByPath(Items& items, const std::string& path) -> decltype(&items.front()) {
  for (auto& item : items) {
    if (SameIgnoringAsciiCase(item.path, path)) return &item;
  }
  return nullptr;
}

std::string Hex(std::string_view bytes) {
  std::string hex;
  for (char c : bytes) {
    auto u = static_cast<unsigned char>(c);
    hex += kHexDigits[u >> 4];
    hex += kHexDigits[u & 15];
  }
  return hex;
}

std::optional<std::string> Unhex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 0; i < hex.size(); i += 2) {
    unsigned value = 0;
    auto [end, error] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
    if (error != std::errc() || end != hex.data() + i + 2) return std::nullopt;
    bytes += static_cast<char>(value);
  }
  return bytes;
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// The first `count` fields of `value`, split at '|'; the last field takes the
// rest of the line. Fewer fields than `count` give nothing.
std::optional<std::vector<std::string>> Fields(std::string_view value, size_t count) {
  std::vector<std::string> fields;
  while (fields.size() + 1 < count) {
    size_t bar = value.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    fields.emplace_back(value.substr(0, bar));
    value.remove_prefix(bar + 1);
  }
  fields.emplace_back(value);
  return fields;
}

const char* TerrainStateName(InstallRecord::TerrainState state) {
  switch (state) {
    case InstallRecord::TerrainState::kNoKey:
      return "no-key";
    case InstallRecord::TerrainState::kNoSection:
      return "no-section";
    default:
      return "value";
  }
}

class Writer {
 public:
  void Line(std::string_view key, std::string_view value) {
    text_.append(key).append("=").append(value).append("\r\n");
  }
  void Comment(std::string_view text) { text_.append("; ").append(text).append("\r\n"); }
  std::string& text() { return text_; }

 private:
  std::string text_;
};

void ReadUnpacked(const std::string& value, InstallRecord& record) {
  auto f = Fields(value, 3);
  InstallRecord::Unpacked file;
  if (!f || !ReadNumber((*f)[0], file.size) || !ReadNumber((*f)[1], file.modified_ns)) return;
  file.path = (*f)[2];
  record.SetUnpacked(std::move(file));
}

void ReadTerrain(const std::string& value, InstallRecord& record) {
  auto f = Fields(value, 3);
  if (!f) return;
  InstallRecord::Terrain terrain;
  const std::string& state = (*f)[0];
  if (state == "no-key") {
    terrain.before = InstallRecord::TerrainState::kNoKey;
  } else if (state == "no-section") {
    terrain.before = InstallRecord::TerrainState::kNoSection;
  } else if (state != "value") {
    return;
  }
  terrain.after_value = (*f)[1];
  terrain.before_value = (*f)[2];
  record.terrain = terrain;
}

void ReadAutogen(const std::string& value, InstallRecord& record) {
  auto f = Fields(value, 3);
  if (!f) return;
  std::optional<std::string> bytes = Unhex((*f)[1]);
  if (!bytes) return;
  record.SetAutogen({(*f)[0], *bytes, (*f)[2]});
}

void ReadLine(const std::string& key, const std::string& value, InstallRecord& record) {
  if (key == "simulator") record.simulator = value;
  if (key == "simulator_folder") record.simulator_folder = value;
  if (key == "scenery_cfg") record.scenery_cfg = value;
  if (key == "simulator_cfg") record.simulator_cfg = value;
  if (key == "package_folder") record.package_folder = value;
  if (key == "scenery_backup") record.scenery_backup = value;
  if (key == "finished") record.AddFinished(value);
  if (key == "folder") record.AddFolder(value);
  if (key == "unpacked") ReadUnpacked(value, record);
  if (key == "terrain") ReadTerrain(value, record);
  if (key == "autogen") ReadAutogen(value, record);
  int area = 0;
  if (key == "area" && ReadNumber(value, area) && area >= 0 && area <= 999) {
    record.areas.push_back(area);
  }
  if (key == "replaced") {
    if (auto f = Fields(value, 2); f && !record.FindReplaced((*f)[0])) {
      record.replaced.push_back({(*f)[0], (*f)[1]});
    }
  }
}

}  // namespace

const InstallRecord::Unpacked* InstallRecord::FindUnpacked(const std::string& path) const {
  return FindByPath(unpacked, path);
}

const InstallRecord::Replaced* InstallRecord::FindReplaced(const std::string& path) const {
  return FindByPath(replaced, path);
}

const InstallRecord::Autogen* InstallRecord::FindAutogen(const std::string& path) const {
  return FindByPath(autogen, path);
}

void InstallRecord::SetUnpacked(Unpacked file) {
  if (Unpacked* old = FindByPath(unpacked, file.path)) {
    *old = std::move(file);
  } else {
    unpacked.push_back(std::move(file));
  }
}

void InstallRecord::SetAutogen(Autogen file) {
  if (Autogen* old = FindByPath(autogen, file.path)) {
    *old = std::move(file);
  } else {
    autogen.push_back(std::move(file));
  }
}

void InstallRecord::AddFinished(const std::string& step) {
  for (const std::string& done : finished) {
    if (done == step) return;
  }
  finished.push_back(step);
}

void InstallRecord::AddFolder(const std::string& folder) {
  for (const std::string& known : created_folders) {
    if (SameIgnoringAsciiCase(known, folder)) return;
  }
  created_folders.push_back(folder);
}

std::string InstallRecordName(const std::string& name) {
  return name.empty() ? "VLRNA_INSTALL.txt" : "VLRNA_INSTALL_" + name + ".txt";
}

std::string FormatInstallRecord(const InstallRecord& r) {
  Writer w;
  w.Comment(std::string(kFirstLine + 2) + ": what the installation changed, for its removal.");
  w.Comment("Written by the installer and read by its removal; see the README for the format.");
  w.Line("format", "1");
  w.Line("simulator", r.simulator);
  w.Line("simulator_folder", r.simulator_folder);
  w.Line("scenery_cfg", r.scenery_cfg);
  w.Line("simulator_cfg", r.simulator_cfg);
  w.Line("package_folder", r.package_folder);
  for (const std::string& step : r.finished) w.Line("finished", step);
  for (const std::string& folder : r.created_folders) w.Line("folder", folder);
  for (const auto& f : r.unpacked) {
    w.Line("unpacked", std::to_string(f.size) + "|" + std::to_string(f.modified_ns) + "|" + f.path);
  }
  for (const auto& f : r.replaced) w.Line("replaced", f.path + "|" + f.backup);
  for (int area : r.areas) w.Line("area", std::to_string(area));
  if (!r.scenery_backup.empty()) w.Line("scenery_backup", r.scenery_backup);
  if (r.terrain) {
    const InstallRecord::Terrain& t = *r.terrain;
    w.Line("terrain",
           std::string(TerrainStateName(t.before)) + "|" + t.after_value + "|" + t.before_value);
  }
  for (const auto& f : r.autogen)
    w.Line("autogen", f.path + "|" + Hex(f.overwritten) + "|" + f.backup);
  return std::move(w.text());
}

std::optional<InstallRecord> ParseInstallRecord(const std::string& text) {
  if (!text.starts_with(kFirstLine)) return std::nullopt;
  InstallRecord record;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + pos, end - pos);
    pos = text.find_first_not_of("\r\n", end);
    if (pos == std::string::npos) pos = text.size();
    size_t eq = line.find('=');
    if (line.starts_with(";") || eq == std::string_view::npos) continue;
    ReadLine(std::string(line.substr(0, eq)), std::string(line.substr(eq + 1)), record);
  }
  return record;
}

}  // namespace vlrna
