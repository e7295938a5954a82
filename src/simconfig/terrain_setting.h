#ifndef VLRNA_SIMCONFIG_TERRAIN_SETTING_H_
#define VLRNA_SIMCONFIG_TERRAIN_SETTING_H_

#include <string>

#include "shell/context.h"
#include "simconfig/ini_service.h"

namespace vlrna {

// The terrain setting the installation raises.
inline constexpr char kTerrainSection[] = "TERRAIN";
inline constexpr char kTerrainKey[] = "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS";

// Makes [TERRAIN] IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS in the simulator's main
// configuration file `cfg` at least 256: a lower, missing or non-numeric
// value becomes "256" (the key or section is added when missing, the file
// created when its folder exists); a value of 256 or more stays as it is. Logs
// which of the two happened. Raises RuntimeError when the write fails (the
// line " set to 256 in cfg-File " is then not logged).
void SetAutogenPolygonPixels(Context& ctx, IniService& ini, const std::string& cfg);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_TERRAIN_SETTING_H_
