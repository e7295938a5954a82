#include "simconfig/terrain_setting.h"

#include "shell/install_log.h"
#include "simconfig/numeric_text.h"

namespace vlrna {
namespace {

const char* const kSection = kTerrainSection;
const char* const kKey = kTerrainKey;
constexpr double kLeast = 256;

}  // namespace

void SetAutogenPolygonPixels(Context& ctx, IniService& ini, const std::string& cfg) {
  std::string current = ReadIniValue(ini, cfg, kSection, kKey, "");
  if (NumericValue(current) < kLeast) {
    WriteIniValue(ini, cfg, kSection, kKey, "256");
    WriteLog(ctx, std::string(kKey) + " set to 256 in cfg-File " + cfg);
  } else {
    WriteLog(ctx, std::string(kKey) + " already set to " + current + " in cfg-File " + cfg);
  }
}

}  // namespace vlrna
