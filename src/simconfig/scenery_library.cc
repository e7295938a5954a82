#include "simconfig/scenery_library.h"

#include <cstdio>

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

std::string AreaSection(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "Area.%03d", number);
  return name;
}

// The number for a new area after `highest`: the next one, or, when that
// would need four digits, the lowest number that holds no area.
int16_t NextAreaNumber(IniService& ini, const std::string& cfg, int16_t highest) {
  if (highest < kHighestArea) return static_cast<int16_t>(highest + 1);
  const IniDocument* view = ini.View(cfg);
  for (int n = 0; n <= kHighestArea; ++n) {
    if (IniService::ValueIn(view, AreaSection(n), "layer", "").empty()) {
      return static_cast<int16_t>(n);
    }
  }
  throw RuntimeError(kErrOverflow,
                     "No free area number in " + cfg + ": Area.000 to Area.999 are all in use",
                     "SceneryLibrary");
}

}  // namespace

bool FindSceneryArea(IniService& ini, const std::string& file, const std::string& marker,
                     int16_t& area, int16_t& layer) {
  const IniDocument* view = ini.View(file);
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

void RegisterSceneryAreas(Context& ctx, IniService& ini, const std::string& cfg) {
  WriteLog(ctx, "Copy of 'scenery.cfg' written");
  ctx.platform.files.CopyFile(cfg, cfg + ".vlrna.bak");
  WriteLog(ctx, "Editing '" + cfg + "'");
  int16_t area = 0;
  int16_t layer = 0;
  for (const SceneryEntry& entry : kSceneryEntries) {
    if (!FindSceneryArea(ini, cfg, entry.marker, area, layer)) {
      layer = Increment16(layer, "layer for " + std::string(entry.title));
      area = NextAreaNumber(ini, cfg, area);
    }
    std::string section = AreaSection(area);
    ini.Write(cfg, section, "Title", entry.title);
    ini.Write(cfg, section, "Active", "True");
    ini.Write(cfg, section, "Layer", std::to_string(layer));
    ini.Write(cfg, section, "Local", ctx.state.gsInstPath + entry.subfolder);
    ini.Write(cfg, section, "Required", "False");
    WriteLog(ctx, "Entry in 'scenery.cfg' written! Layer " + std::to_string(layer) + " , Area " +
                      std::to_string(area));
  }
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
