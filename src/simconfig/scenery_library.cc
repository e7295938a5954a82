#include "simconfig/scenery_library.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/runtime_error.h"
#include "shell/install_log.h"
#include "simconfig/numeric_text.h"

namespace vlrna {

const std::array<SceneryEntry, 6> kSceneryEntries = {{
    {"vlrna\\dem", "Veltrona Elevation", "dem"},
    {"vlrna\\ortho", "Veltrona Photoscenery", "ortho"},
    {"vlrna\\objects", "Veltrona Objects", "objects"},
    {"vlrna\\airports", "Veltrona Airports", "airports"},
    {"vlrna\\zzqa", "Veltrona ZZQA Vennhalde MIL", "zzqa"},
    {"vlrna\\zzqb", "Veltrona ZZQB Morwitz MIL", "zzqb"},
}};

namespace {

constexpr int kHighestArea = 999;
// The entries FindExistingInstallation consults: the airfields are not.
constexpr size_t kRootEntries = 4;

// The number for a new area after `highest`: the next one, or, when that
// would need four digits, the lowest number that holds no area.
int16_t NextAreaNumber(const IniDocument& cfg_text, const std::string& cfg, int16_t highest) {
  if (highest < kHighestArea) return static_cast<int16_t>(highest + 1);
  for (int n = 0; n <= kHighestArea; ++n) {
    if (IniService::ValueIn(&cfg_text, AreaSection(n), "layer", "").empty()) {
      return static_cast<int16_t>(n);
    }
  }
  throw RuntimeError(kErrOverflow,
                     "No free area number in " + cfg + ": Area.000 to Area.999 are all in use",
                     "SceneryLibrary");
}

bool ScanAreas(const IniDocument* view, const std::string& marker, int16_t& area, int16_t& layer) {
  for (int n = 0; n <= kHighestArea; ++n) {
    std::string section = AreaSection(n);
    std::string value = IniService::ValueIn(view, section, "layer", "");
    if (value.empty()) continue;
    if (n > area) area = static_cast<int16_t>(n);
    double number = NumericValue(value);
    if (number > layer) layer = ToInteger16(number, "layer of " + section);
    if (marker.empty()) continue;
    std::string local = AsciiLower(IniService::ValueIn(view, section, "local", ""));
    if (local.find(marker) != std::string::npos) {
      area = static_cast<int16_t>(n);
      layer = ToInteger16(number, "layer of " + section);
      return true;
    }
  }
  return false;
}

// The backup holds the library as the user had it before the package first
// edited it. A backup that exists already is that file and is kept: a copy
// taken now could hold an earlier installation's entries, or a library that
// another program left damaged.
void BackUpLibrary(Context& ctx, const std::string& cfg) {
  const std::string backup = cfg + ".vlrna.bak";
  if (ctx.platform.files.Stamp(backup).exists) {
    WriteLog(ctx, "Copy of 'scenery.cfg' kept: " + backup);
    return;
  }
  WriteLog(ctx, "Copy of 'scenery.cfg' written");
  ctx.platform.files.CopyFile(cfg, backup);
}

// Sets the keys of `entry` in the area `area`; returns the entry's log line.
std::string SetEntry(Context& ctx, IniDocument& cfg_text, const std::string& cfg,
                     const SceneryEntry& entry, int16_t area, int16_t layer) {
  std::string section = AreaSection(area);
  IniService::Set(cfg_text, cfg, section, "Title", entry.title);
  IniService::Set(cfg_text, cfg, section, "Active", "True");
  IniService::Set(cfg_text, cfg, section, "Layer", std::to_string(layer));
  IniService::Set(cfg_text, cfg, section, "Local", ctx.state.gsInstPath + entry.subfolder);
  IniService::Set(cfg_text, cfg, section, "Required", "False");
  return "Entry in 'scenery.cfg' written! Layer " + std::to_string(layer) + " , Area " +
         std::to_string(area);
}

}  // namespace

std::string AreaSection(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "Area.%03d", number);
  return name;
}

int PackageEntryOf(const std::string& local) {
  const std::string lower = AsciiLower(local);
  for (size_t i = 0; i < kSceneryEntries.size(); ++i) {
    if (lower.find(kSceneryEntries[i].marker) != std::string::npos) return static_cast<int>(i);
  }
  return -1;
}

bool FindSceneryArea(IniService& ini, const std::string& file, const std::string& marker,
                     int16_t& area, int16_t& layer) {
  return ScanAreas(ini.View(file), marker, area, layer);
}

std::vector<int> RegisterSceneryAreas(Context& ctx, IniService& ini, const std::string& cfg) {
  BackUpLibrary(ctx, cfg);
  WriteLog(ctx, "Editing '" + cfg + "'");
  // Every entry is set in memory, each scan seeing the entries set before it,
  // and the library is replaced once: a crash leaves all six or none.
  IniDocument cfg_text = ini.Edit(cfg);
  std::vector<std::string> lines;
  std::vector<int> areas;
  int16_t area = 0;
  int16_t layer = 0;
  for (const SceneryEntry& entry : kSceneryEntries) {
    if (!ScanAreas(&cfg_text, entry.marker, area, layer)) {
      layer = Increment16(layer, "layer for " + std::string(entry.title));
      area = NextAreaNumber(cfg_text, cfg, area);
    }
    lines.push_back(SetEntry(ctx, cfg_text, cfg, entry, area, layer));
    areas.push_back(area);
  }
  ini.Replace(cfg, std::move(cfg_text));
  for (const std::string& line : lines) WriteLog(ctx, line);
  return areas;
}

std::string FindExistingInstallation(Context& ctx, IniService& ini) {
  const std::string& cfg = ctx.state.gsSceneryCfg;
  std::string result;
  int16_t area = 0;
  int16_t layer = 0;
  for (size_t i = 0; i < kRootEntries; ++i) {
    const std::string marker = kSceneryEntries[i].marker;
    if (!FindSceneryArea(ini, cfg, marker, area, layer)) continue;
    std::string local = ini.Read(cfg, AreaSection(area), "Local", "", 1279);
    size_t at = AsciiLower(local).find(marker);
    if (at != std::string::npos) result = local.substr(0, at);
  }
  if (!result.empty()) {
    WriteLog(ctx, "Existing Installation path found: " + result);
  } else {
    WriteLog(ctx, "Existing Installation not found!");
  }
  ctx.state.gsExistingPath = result;
  return result;
}

}  // namespace vlrna
