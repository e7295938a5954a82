#include "preview/preview_machine.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/fake/fake_platform.h"
#include "shell/install_log.h"
#include "simconfig/autogen_patch.h"
#include "simconfig/autogen_test_files.h"
#include "simconfig/ini_service.h"
#include "simconfig/scenery_library.h"
#include "simconfig/terrain_setting.h"

namespace vlrna {
namespace {

const char kSim[] = "C:\\FSX";
const char kScenery[] = "C:\\FSX\\Scenery.cfg";
const char kTerrain[] = "C:\\FSX\\fsx.cfg";
const char kAutogen[] = "C:\\FSX\\Autogen\\AutogenDescriptions.spb";
const char kLog[] = "C:\\Users\\pilot\\VLRNA_2612051007.LOG";

// The simulator's three files, in one of the encodings the edits keep.
void MakeSimulator(FakePlatform& fake, const std::string& bom, bool utf16) {
  auto text = [&](const std::string& ascii) {
    if (!utf16) return bom + ascii;
    std::string wide = "\xFF\xFE";
    for (char c : ascii) wide += std::string{c, '\0'};
    return wide;
  };
  fake.files.AddFolder("C:\\Users\\pilot");
  fake.files.AddFolder(std::string(kSim) + "\\Autogen");
  fake.files.AddFile(kScenery, text("[General]\r\nTitle=FS World\r\n\r\n[Area.001]\r\nTitle=World"
                                    "\r\nLocal=Scenery\\World\r\nLayer=1\r\nActive=TRUE\r\n"));
  fake.files.AddFile(kTerrain, text("[TERRAIN]\r\nLOD_RADIUS=4.5\r\n"));
  fake.files.AddFile(kAutogen, AutogenFile({"{0a1b2c3d-0000}"}));
}

// The installation's edits of the simulator's files, on `platform`.
void RunEdits(Platform& platform) {
  ProgramState state;
  Context ctx{state, platform};
  state.gsUserDir = "C:\\Users\\pilot";
  MakeLogFileName(ctx);
  state.gsInstPath = "D:\\Scenery\\vlrna\\";
  state.gSpbDefinition = DefinitionBlock();
  IniService ini(platform.files, platform.code_page);
  RegisterSceneryAreas(ctx, ini, kScenery);
  PatchAutogenDescriptions(ctx, kAutogen);
  SetAutogenPolygonPixels(ctx, ini, kTerrain);
}

// A preview of the edits records exactly the bytes the real edits write,
// writes nothing but the log, and says what changes, in every encoding.
TEST(PreviewMachine, RecordsWhatTheRealRunWritesAndWritesOnlyTheLog) {
  const struct {
    const char* name;
    std::string bom;
    bool utf16;
  } encodings[] = {{"ANSI", "", false}, {"UTF-8", "\xEF\xBB\xBF", false}, {"UTF-16", "", true}};
  for (const auto& encoding : encodings) {
    FakePlatform real, previewed;
    MakeSimulator(real, encoding.bom, encoding.utf16);
    MakeSimulator(previewed, encoding.bom, encoding.utf16);
    const std::map<std::string, std::string> before = {
        {kScenery, previewed.files.Content(kScenery)},
        {kTerrain, previewed.files.Content(kTerrain)},
        {kAutogen, previewed.files.Content(kAutogen)}};
    RunEdits(real.platform);
    PreviewMachine preview(previewed.platform, {});
    RunEdits(preview.platform());

    for (const auto& [path, bytes] : before) {
      EXPECT_EQ(previewed.files.Content(path), bytes) << encoding.name << " " << path;
    }
    EXPECT_FALSE(previewed.files.HasFile(std::string(kScenery) + ".vlrna.bak"));
    EXPECT_EQ(previewed.files.Content(kLog), real.files.Content(kLog)) << encoding.name;

    std::vector<std::string> changed;
    for (const RecordedChange& change : preview.files().Changes()) {
      changed.push_back(change.path);
      EXPECT_EQ(change.after, real.files.Content(change.path)) << encoding.name << change.path;
    }
    EXPECT_EQ(changed,
              (std::vector<std::string>{std::string(kScenery) + ".vlrna.bak", kScenery,
                                        std::string(kAutogen) + ".copy", kAutogen, kTerrain}))
        << encoding.name;

    std::string said;
    for (const std::string& line : preview.Describe()) said += line + "\n";
    EXPECT_NE(said.find("[TERRAIN] IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS: (no key) -> 256\n"),
              std::string::npos)
        << encoding.name << said;
    EXPECT_NE(said.find("  +Title=Veltrona Elevation\n"), std::string::npos) << said;
    EXPECT_NE(said.find("descriptions of the package: 0 -> 3\n"), std::string::npos) << said;
  }
}

}  // namespace
}  // namespace vlrna
