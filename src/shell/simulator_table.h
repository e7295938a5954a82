#ifndef VLRNA_SHELL_SIMULATOR_TABLE_H_
#define VLRNA_SHELL_SIMULATOR_TABLE_H_

#include <array>

#include "shell/program_state.h"

namespace vlrna {

// The fixed columns of the simulator table. Rows 0 to 5 are also the
// selection page's options optSimulation(0) to optSimulation(5). Registry keys
// are below HKEY_CURRENT_USER, with the value "AppPath"; data folders are
// below the all-users application-data folder, configuration files below the
// user's roaming application-data folder.
struct SimulatorRow {
  const char* option_caption;
  const char* log_name;
  const char* registry_key;
  const char* data_folder;
  const char* config_file;
  const char* executable;
  const char* summary_label;  // starts the row's line in the options summary
};

inline constexpr std::array<SimulatorRow, kSimulatorCount> kSimulatorTable = {{
    {"Microsoft Flightsimulator X", "Flightsimulator X",
     "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0", "\\Microsoft\\FSX",
     "\\Microsoft\\FSX\\fsx.cfg", "fsx.exe", "Flightsimulator X: "},
    {"Microsoft Flightsimulator X (Steam Edition)", "Flightsimulator X (Steam Edition)",
     "Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0",
     "\\Microsoft\\FSX-SE", "\\Microsoft\\FSX-SE\\fsx_se.cfg", "fsx.exe",
     "Flightsimulator X (Steam Edition): "},
    {"Lockheed Martin Prepar3D", "Prepar3D", "Software\\LockheedMartin\\Prepar3D",
     "\\Lockheed Martin\\Prepar3D", "\\Lockheed Martin\\Prepar3D\\Prepar3D.cfg", "Prepar3D.exe",
     "Prepar3D v1.x: "},
    {"Lockheed Martin Prepar3D V2", "Prepar3D V2", "Software\\Lockheed Martin\\Prepar3D v2",
     "\\Lockheed Martin\\Prepar3D v2", "\\Lockheed Martin\\Prepar3D v2\\Prepar3D.cfg",
     "Prepar3D.exe", "Prepar3D v2.x: "},
    {"Lockheed Martin Prepar3D V3", "Prepar3D V3", "Software\\Lockheed Martin\\Prepar3D v3",
     "\\Lockheed Martin\\Prepar3D v3", "\\Lockheed Martin\\Prepar3D v3\\Prepar3D.cfg",
     "Prepar3D.exe", "Prepar3D v3.x: "},
    {"Lockheed Martin Prepar3D V4 (64bit)", "Prepar3D V4", "Software\\Lockheed Martin\\Prepar3D v4",
     "\\Lockheed Martin\\Prepar3D v4", "\\Lockheed Martin\\Prepar3D v4\\Prepar3D.cfg",
     "Prepar3D.exe", "Prepar3D v4.x: "},
}};

// The short names of the rows, as the command line and the installation
// record name them.
inline constexpr std::array<const char*, kSimulatorCount> kSimulatorShortNames = {
    "FSX", "FSX-SE", "P3D", "P3D2", "P3D3", "P3D4"};

inline constexpr char kAppPathValue[] = "AppPath";

}  // namespace vlrna

#endif  // VLRNA_SHELL_SIMULATOR_TABLE_H_
