#include "simulators/fs_select_page.h"

#include <gtest/gtest.h>

#include "pages/wizard_test_run.h"
#include "shell/simulator_table.h"

namespace vlrna {
namespace {

// A run to the selection page with the simulators' AppPath values `paths`
// (row, folder) set over the typical machine's FSX in C:\FSX.
std::unique_ptr<WizardTestRun> ToFSSelect(std::vector<std::pair<int, std::string>> paths) {
  return std::make_unique<WizardTestRun>(2, [&](FakePlatform& f) {
    for (const auto& [row, folder] : paths) {
      f.registry.SetString(RegistryRoot::kCurrentUser, kSimulatorTable[row].registry_key,
                           kAppPathValue, folder);
    }
  });
}

TEST(FSSelectPageTest, OffersTheFoundSimulatorsAndSelectsTheFirst) {
  struct Case {
    std::vector<std::pair<int, std::string>> paths;
    const char* enabled;  // per option
    bool steam_first;     // option 0 captioned as the Steam Edition
  };
  const Case cases[] = {
      {{{0, ""}, {5, "E:\\P3D v4"}}, "000001", false},
      {{{3, "E:\\P3D2"}}, "100100", false},
      {{{1, "C:\\FSX\\"}}, "100000", true},  // the same folder as FSX's C:\FSX
      {{{1, "C:\\fsx"}}, "110000", false},   // letter case counts
      {{{0, ""}}, "000000", false},
  };
  for (const Case& c : cases) {
    auto run = ToFSSelect(c.paths);
    Page& page = run->page();
    ASSERT_EQ(page.name(), "FSSelect") << c.enabled;
    std::string enabled;
    for (int row = 0; row < kSimulatorCount; ++row) {
      enabled += page[SimulationOption(row)].enabled ? '1' : '0';
    }
    EXPECT_EQ(enabled, c.enabled);
    const bool any = enabled.find('1') != std::string::npos;
    const int first = static_cast<int>(enabled.find('1'));
    EXPECT_EQ(page.SelectedOption("Frame2"), any ? SimulationOption(first) : "");
    EXPECT_EQ(page["Cmd_Next"].enabled, any);
    EXPECT_EQ(page["labText"].text, any ? "T51" : "T50");
    EXPECT_EQ(page[SimulationOption(0)].text, kSimulatorTable[c.steam_first].option_caption);
    EXPECT_EQ(page[SimulationOption(1)].text, kSimulatorTable[!c.steam_first].option_caption);
  }
}

TEST(FSSelectPageTest, NextTakesTheRowSelectedAtThatMoment) {
  auto run = ToFSSelect({{4, "F:\\P3D v3"}});
  const ProgramState& s = run->state;
  run->fake.window.ChooseOption(SimulationOption(4));
  run->fake.window.Click("Cmd_Next");
  EXPECT_EQ(s.gsFSXPath, "F:\\P3D v3\\");
  EXPECT_EQ(s.gsSimCfg,
            "C:\\Users\\pilot\\AppData\\Roaming\\Lockheed Martin\\Prepar3D v3\\Prepar3D.cfg");
  run->fake.window.Click("Cmd_Prev");
  EXPECT_EQ(run->page().SelectedOption("Frame2"), SimulationOption(4));  // as it was left
  run->fake.window.ChooseOption(SimulationOption(0));
  run->fake.window.Click("Cmd_Next");
  EXPECT_EQ(run->page().name(), "License");
  EXPECT_EQ(s.gsFSXPath + s.gsSimExe, "C:\\FSX\\fsx.exe");
  EXPECT_EQ(s.gsSceneryCfg, "C:\\ProgramData\\Microsoft\\FSX\\Scenery.cfg");
  EXPECT_EQ(s.gsSimCfg, "C:\\Users\\pilot\\AppData\\Roaming\\Microsoft\\FSX\\fsx.cfg");
  // Each Next prepared the destination page for the simulator chosen.
  EXPECT_EQ(run->wizard.flow().Get("SelectPath")["inpPath"].text, "C:\\FSX\\vlrna\\");
}

TEST(FSSelectPageTest, WithoutASimulatorNextStaysDisabledAndTheLogSaysSo) {
  EXPECT_TRUE(ToFSSelect({{0, ""}})->Logged("ERROR: No installed Flightsimulator found!"));
}

}  // namespace
}  // namespace vlrna
