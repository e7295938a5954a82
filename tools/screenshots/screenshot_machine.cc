#include "tools/screenshots/screenshot_machine.h"

#include <cstdint>
#include <string>

#include "platform/fake/fake_machine.h"

namespace vlrna {
namespace {

constexpr uint64_t kMB = 1024 * 1024;
constexpr uint64_t kArchiveBytes = 1480 * kMB;

struct Simulator {
  const char* registry_key;
  const char* folder;
  const char* data_folder;  // below C:\ProgramData
  const char* config;       // below the roaming folder
  const char* executable;
  bool has_autogen;
};

constexpr Simulator kSimulators[] = {
    {"Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0", "C:\\FSX", "Microsoft\\FSX",
     "Microsoft\\FSX\\fsx.cfg", "fsx.exe", true},
    {"Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0",
     "C:\\Program Files (x86)\\Steam\\steamapps\\common\\FSX", "Microsoft\\FSX-SE",
     "Microsoft\\FSX-SE\\fsx_se.cfg", "fsx.exe", false},
    {"Software\\Lockheed Martin\\Prepar3D v4", "E:\\Prepar3D v4", "Lockheed Martin\\Prepar3D v4",
     "Lockheed Martin\\Prepar3D v4\\Prepar3D.cfg", "Prepar3D.exe", true},
};

constexpr const char* kSimulatorFolders[] = {"Addon Scenery", "Autogen", "Effects",
                                             "Gauges",        "Scenery", "SimObjects",
                                             "Sound",         "Texture", "Weather"};

std::string Long(int32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

// A counted string with its terminator, as the simulator stores it.
std::string Counted(const std::string& text) {
  return Long(static_cast<int32_t>(text.size()) + 1) + text + '\0';
}

std::string Description(const std::string& id, const std::string& name) {
  const std::string body = Long(0) + Counted(id) + Long(1) + Counted(name) + std::string(24, '\0');
  return Long(17) + Long(static_cast<int32_t>(body.size())) + body;
}

// An autogen description file as the simulator lays it out: a header, an
// outer block holding a list of three descriptions, and the end tag.
std::string AutogenDescriptions() {
  const std::string list = Description("{0dd1f3a2-5f3e-4a51-9d6b-2c4a8f0e1b11}", "Residential") +
                           Description("{8c2b7d64-1e9a-4f0c-b3a5-7d9e2f4c6a01}", "Industrial") +
                           Description("{f41e0b9c-3d27-4c88-a6e1-59b0d2c7e3f4}", "Forest") +
                           Long(0);
  const std::string outer =
      Long(2) + Counted("Autogen") + Long(16) + Long(static_cast<int32_t>(list.size())) + list;
  return "\xAC\xEB" + std::string(18, '\0') + Long(1) + std::string(36, '\x11') + Long(1) +
         Long(static_cast<int32_t>(outer.size())) + outer + Long(24) + Long(7) + Long(0) + Long(1);
}

std::string SceneryLibrary() {
  struct Area {
    const char* title;
    const char* local;
  };
  constexpr Area kAreas[] = {{"Default Terrain", "Scenery\\World"},
                             {"Default Scenery", "Scenery\\Base"},
                             {"Global Scenery", "Scenery\\Global"},
                             {"Airports", "Scenery\\Airports"},
                             {"Addon Scenery", "Addon Scenery"}};
  std::string text =
      "[General]\r\nTitle=FS9 World Scenery\r\nDescription=FS9 World Scenery Data\r\n"
      "Clean_on_Exit=TRUE\r\n";
  int layer = 1;
  for (const Area& area : kAreas) {
    const std::string n = std::to_string(layer);
    text += "\r\n[Area.00" + n + "]\r\nTitle=" + area.title + "\r\nLocal=" + area.local +
            "\r\nLayer=" + n + "\r\nActive=TRUE\r\nRequired=FALSE\r\n";
    ++layer;
  }
  return text;
}

void AddSimulator(FakePlatform& fake, const Simulator& sim) {
  fake.registry.SetString(RegistryRoot::kCurrentUser, sim.registry_key, "AppPath", sim.folder);
  const std::string folder = std::string(sim.folder) + "\\";
  for (const char* sub : kSimulatorFolders) fake.files.AddFolder(folder + sub);
  fake.files.AddFile(folder + sim.executable, "MZ");
  fake.files.AddFile(folder + "Scenery.cfg", SceneryLibrary());
  if (sim.has_autogen) {
    fake.files.AddFile(folder + "Autogen\\AutogenDescriptions.spb", AutogenDescriptions());
  }
  fake.files.AddFile(std::string("C:\\ProgramData\\") + sim.data_folder + "\\Scenery.cfg",
                     SceneryLibrary());
  fake.files.AddFile(
      std::string("C:\\Users\\pilot\\AppData\\Roaming\\") + sim.config,
      "[TERRAIN]\r\nLOD_RADIUS=4.500000\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=128\r\n");
}

}  // namespace

void DescribeScreenshotMachine(FakePlatform& fake) {
  DescribeTypicalMachine(fake);
  fake.drives.drives = {{kSystemDrive, kDriveFixed, 51'234 * kMB, true},
                        {kMediumDrive, kDriveCdRom, 0, true},
                        {kGamesDrive, kDriveFixed, 412'900 * kMB, true},
                        {kSmallDrive, kDriveFixed, 6'150 * kMB, true}};
  for (const Simulator& sim : kSimulators) AddSimulator(fake, sim);
  for (const char* folder : {"C:\\Program Files", "C:\\Users", "C:\\Windows", "E:\\Games",
                             kNewDestinationParent, "F:\\Backup"}) {
    fake.files.AddFolder(folder);
  }
  for (const char* archive : {"setup.101", "setup.102", "setup.103", "setup.104", "setup.105",
                              "setup.201", "setup.202", "setup.203", "setup.204"}) {
    fake.files.AddFile(std::string("D:\\") + archive, "PK");
    // About the number of files each archive of the package holds.
    auto& entries = fake.zip.entries[std::string("D:\\") + archive];
    for (int i = 0; i < 400; ++i) {
      entries.push_back({"vlrna\\ortho\\tile" + std::to_string(i) + ".bgl", kArchiveBytes / 400});
    }
  }
  // Every archive reports its progress at the same points, and the clock
  // moves on with each reading as if about 30 MB were unpacked a second.
  fake.zip.total_bytes = kArchiveBytes;
  fake.zip.progress_steps = {0, kArchiveBytes * 12 / 100, kArchiveBytes / 2, kArchiveBytes};
  fake.system.monotonic_step_ms = 9'000;
}

}  // namespace vlrna
