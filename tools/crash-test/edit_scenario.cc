#include "tools/crash-test/edit_scenario.h"

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "platform/posix/test_prefix.h"
#include "simconfig/autogen_test_files.h"

namespace vlrna {
namespace {

const char kScenery[] = "drive_c/Sim/Scenery.cfg";
const char kBackup[] = "drive_c/Sim/Scenery.cfg.vlrna.bak";
const char kTerrain[] = "drive_c/Sim/fsx.cfg";
const char kAutogen[] = "drive_c/Sim/Autogen/AutogenDescriptions.spb";
const char kAutogenBackup[] = "drive_c/Sim/Autogen/AutogenDescriptions.spb.copy";
const char kPackage[] = "drive_c/Sim/vlrna";
const char kOldScenery[] =
    "[General]\r\nTitle=FS World\r\n\r\n[Area.001]\r\nTitle=Default Terrain\r\n"
    "Local=Scenery\\World\r\nLayer=1\r\nActive=TRUE\r\nRequired=FALSE\r\n\r\n"
    "[Area.002]\r\nTitle=Addon\r\nLocal=Addon Scenery\r\nLayer=2\r\nActive=TRUE\r\n";
const char kOldTerrain[] =
    "[DISPLAY]\r\nTEXTURE_BANDWIDTH_MULT=40\r\n\r\n[TERRAIN]\r\n"
    "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=64\r\nLOD_RADIUS=4.5\r\n";

const std::string& OldAutogen() {
  static const std::string bytes = AutogenFile({"{0a1b2c3d-0000}", "{0a1b2c3d-0001}"});
  return bytes;
}

// The first temporary file of an atomic replace left below drive_c/Sim, or "".
std::string LeftTemporary(const TestPrefix& prefix) {
  for (const auto& e : std::filesystem::recursive_directory_iterator(prefix.Path("drive_c/Sim"))) {
    const std::string name = e.path().filename().string();
    if (name.find(".vlrna-") != std::string::npos) return name;
  }
  return "";
}

// The simulator's three files as they stand.
struct SimulatorFiles {
  std::string scenery, terrain, autogen;

  static SimulatorFiles Read(const TestPrefix& prefix) {
    return {prefix.Read(kScenery), prefix.Read(kTerrain), prefix.Read(kAutogen)};
  }
};

// A fresh simulator: its three files as the user had them, no log yet.
void WriteOriginals(const TestPrefix& prefix) {
  std::filesystem::remove_all(prefix.Path("drive_c/Sim"));
  std::filesystem::remove_all(prefix.Path("drive_c/users/pilot"));
  prefix.MakeFolder("drive_c/users/pilot");
  prefix.Write(kScenery, kOldScenery);
  prefix.Write(kTerrain, kOldTerrain);
  prefix.Write(kAutogen, OldAutogen());
}

class EditScenario : public CrashScenario {
 public:
  explicit EditScenario(std::string driver) : driver_(std::move(driver)) {}

  void Reset() override { WriteOriginals(prefix_); }

  std::vector<std::string> Command() const override { return {driver_, prefix_.root()}; }

  std::string TakeFinalState() override {
    final_ = SimulatorFiles::Read(prefix_);
    return final_.autogen == OldAutogen() ? "the driver left the autogen file as it was" : "";
  }

  std::string Check(bool rerun) const override {
    const SimulatorFiles now = SimulatorFiles::Read(prefix_);
    if (now.scenery != final_.scenery && (rerun || now.scenery != kOldScenery)) {
      return "Scenery.cfg damaged";
    }
    if (now.terrain != final_.terrain && (rerun || now.terrain != kOldTerrain)) {
      return "fsx.cfg damaged";
    }
    if (now.autogen != final_.autogen && (rerun || now.autogen != OldAutogen())) {
      return "autogen damaged";
    }
    bool backup = std::filesystem::exists(prefix_.Path(kBackup));
    if ((backup || rerun) && prefix_.Read(kBackup) != kOldScenery) return "backup not the original";
    backup = std::filesystem::exists(prefix_.Path(kAutogenBackup));
    if ((backup || rerun) && prefix_.Read(kAutogenBackup) != OldAutogen()) {
      return "autogen copy not the original";
    }
    const std::string left = rerun ? LeftTemporary(prefix_) : "";
    return left.empty() ? "" : "left " + left;
  }

 private:
  std::string driver_;
  TestPrefix prefix_;
  SimulatorFiles final_;  // what a whole run leaves
};

class RemoveScenario : public CrashScenario {
 public:
  explicit RemoveScenario(std::string driver) : driver_(std::move(driver)) {}

  // The files as a whole run of the edits leaves them.
  void Reset() override {
    WriteOriginals(prefix_);
    if (!RunCommand({driver_, prefix_.root()}, -1)) throw std::runtime_error("the edits fail");
    installed_ = SimulatorFiles::Read(prefix_);
  }

  std::vector<std::string> Command() const override {
    return {driver_, prefix_.root(), "--remove"};
  }

  std::string TakeFinalState() override { return Check(true); }

  std::string Check(bool rerun) const override {
    const SimulatorFiles now = SimulatorFiles::Read(prefix_);
    if (now.scenery != kOldScenery && (rerun || now.scenery != installed_.scenery)) {
      return "Scenery.cfg damaged";
    }
    if (now.terrain != kOldTerrain && (rerun || now.terrain != installed_.terrain)) {
      return "fsx.cfg damaged";
    }
    if (now.autogen != OldAutogen() && (rerun || now.autogen != installed_.autogen)) {
      return "autogen damaged";
    }
    if (prefix_.Read(kBackup) != kOldScenery) return "backup not the original";
    if (!rerun) return "";
    if (std::filesystem::exists(prefix_.Path(kPackage))) return "package folder left";
    const std::string left = LeftTemporary(prefix_);
    return left.empty() ? "" : "left " + left;
  }

 private:
  std::string driver_;
  TestPrefix prefix_;
  SimulatorFiles installed_;  // what the edits left before the removal
};

}  // namespace

std::unique_ptr<CrashScenario> MakeRemoveScenario(const std::string& driver) {
  return std::make_unique<RemoveScenario>(driver);
}

std::unique_ptr<CrashScenario> MakeEditScenario(const std::string& driver) {
  return std::make_unique<EditScenario>(driver);
}

}  // namespace vlrna
