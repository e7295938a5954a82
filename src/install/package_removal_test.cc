#include "install/package_removal.h"

#include <gtest/gtest.h>

#include <map>

#include "install/install_recorder.h"
#include "install/install_sequence.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fault_injecting_files.h"
#include "platform/runtime_error.h"
#include "shell/install_log.h"
#include "simconfig/autogen_test_files.h"

namespace vlrna {
namespace {

const char kSimFolder[] = "C:\\FSX\\";
const char kCfg[] = "C:\\ProgramData\\Microsoft\\FSX\\Scenery.cfg";
const char kSimCfg[] = "C:\\Users\\pilot\\AppData\\Roaming\\Microsoft\\FSX\\fsx.cfg";
const char kSpb[] = "C:\\FSX\\Autogen\\AutogenDescriptions.spb";
const char kPackage[] = "E:\\Scenery\\vlrna\\";
const char kRecord[] = "E:\\Scenery\\vlrna\\VLRNA_INSTALL_FSX.txt";
const char kSimOwnFile[] = "C:\\FSX\\Autogen\\default.xml";
const char kLog[] = "C:\\Users\\pilot\\VLRNA_2612051007.LOG";

enum class Encoding { kAnsi, kUtf8, kUtf16 };

// ASCII text in a file of that encoding.
std::string Encode(const std::string& text, Encoding encoding) {
  if (encoding == Encoding::kUtf8) return "\xEF\xBB\xBF" + text;
  if (encoding == Encoding::kAnsi) return text;
  std::string bytes = "\xFF\xFE";
  for (char c : text) bytes += std::string{c, '\0'};
  return bytes;
}

const char kLibrary[] =
    "[General]\r\nTitle=FS World\r\n\r\n[Area.001]\r\nTitle=Default Terrain\r\n"
    "Local=Scenery\\World\r\nLayer=1\r\nActive=TRUE\r\n\r\n";

// What the archives hold, by name; the folder entries first.
std::map<std::string, std::vector<ZipEntryInfo>> Archives() {
  return {
      {"setup.101", {{"vlrna", 0, true}, {"vlrna\\dem", 0, true}, {"vlrna\\dem\\a.bgl", 3, false}}},
      {"setup.102", {{"vlrna\\ortho\\b.bgl", 4, false}}},
      {"setup.105", {{"Effects\\vlrna\\fx.fx", 2, false}, {"Autogen\\default.xml", 5, false}}}};
}

class PackageRemovalTest : public ::testing::Test {
 protected:
  PackageRemovalTest() {
    state.gsUserDir = "C:\\Users\\pilot";
    fake.files.AddFolder(state.gsUserDir);
    MakeLogFileName(ctx);
    state.gbSimFound[0] = true;
    state.gsSimPath[0] = kSimFolder;
    state.gsSimDataPath[0] = "C:\\ProgramData\\Microsoft\\FSX";
    state.gsAppData = "C:\\Users\\pilot\\AppData\\Roaming";
    state.gsFSXPath = kSimFolder;
    state.gsSceneryCfg = kCfg;
    state.gsSimCfg = kSimCfg;
    state.gsInstPath = kPackage;
    state.gSpbDefinition = DefinitionBlock();
    Control label;
    label.name = "Lab1";
    page.Add(label);
    fake.files.AddFolder("E:\\Scenery");
    fake.files.AddFile(kSimOwnFile, "theirs");
  }

  // The simulator's three files as the installation finds them.
  void SimulatorFiles(Encoding encoding, const std::string& terrain) {
    cfg_before = Encode(kLibrary, encoding);
    sim_cfg_before = Encode("[DISPLAY]\r\nX=1\r\n" + terrain, encoding);
    spb_before = AutogenFile({"{aaaa}"});
    fake.files.AddFile(kCfg, cfg_before);
    fake.files.AddFile(kSimCfg, sim_cfg_before);
    fake.files.AddFile(kSpb, spb_before);
  }

  void Install() {
    InstallRecorder recorder(ctx);
    recorder.Begin();
    const auto archives = Archives();
    RunInstallation(
        ctx, ini, page,
        [&](size_t, const std::string& name, const std::string&, const std::string& destination) {
          auto found = archives.find(name);
          const auto entries =
              found == archives.end() ? std::vector<ZipEntryInfo>{} : found->second;
          recorder.Unpacking(name, destination, entries);
          for (const ZipEntryInfo& entry : entries) {
            const std::string path = ResolveFolder(destination) + entry.name;
            if (entry.folder) fake.files.AddFolder(path);
            if (!entry.folder) fake.files.AddFile(path, std::string(entry.size, 'z'));
          }
          recorder.Unpacked(name, destination, entries);
          return false;
        },
        &recorder);
  }

  std::vector<RemovalReport> Uninstall(Context& c, IniService& i) {
    std::vector<RemovalReport> reports;
    for (const InstalledPackage& package : FindInstalledPackages(c, i, std::nullopt)) {
      reports.push_back(RemovePackage(c, i, package));
    }
    return reports;
  }
  std::vector<RemovalReport> Uninstall() { return Uninstall(ctx, ini); }

  void ExpectSimulatorAsBefore() {
    EXPECT_EQ(fake.files.Content(kCfg), cfg_before);
    EXPECT_EQ(fake.files.Content(kSimCfg), sim_cfg_before);
    EXPECT_EQ(fake.files.Content(kSpb), spb_before);
  }
  void ExpectPackageGone() {
    EXPECT_EQ(fake.files.Content(kSimOwnFile), "theirs");
    EXPECT_FALSE(fake.files.FolderExists("C:\\FSX\\Effects"));
    EXPECT_FALSE(fake.files.FolderExists(kPackage));
    EXPECT_TRUE(fake.files.FolderExists("C:\\FSX\\Autogen"));
    EXPECT_TRUE(fake.files.FolderExists("E:\\Scenery"));
  }
  bool Logged(const std::string& text) {
    return fake.files.Content(kLog).find(text) != std::string::npos;
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
  IniService ini{fake.files, fake.code_page};
  Page page{"InstallStart", 100, 100};
  std::string cfg_before, sim_cfg_before, spb_before;
};

TEST_F(PackageRemovalTest, InstallThenRemoveGivesTheSimulatorsFilesBackByteForByte) {
  struct Case {
    Encoding encoding;
    std::string terrain;
  };
  for (const Case& c :
       {Case{Encoding::kAnsi, "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=128\r\n"},
        Case{Encoding::kUtf8, "[TERRAIN]\r\nLOD_RADIUS=4.5"}, Case{Encoding::kUtf16, ""}}) {
    SCOPED_TRACE(static_cast<int>(c.encoding));
    SimulatorFiles(c.encoding, c.terrain);
    Install();
    ASSERT_NE(fake.files.Content(kCfg), cfg_before);
    ASSERT_NE(fake.files.Content(kSimCfg), sim_cfg_before);
    ASSERT_EQ(fake.files.Content(kSpb).size(), spb_before.size() + 562);
    ASSERT_EQ(fake.files.Content(kSimOwnFile), "zzzzz");
    const std::string backup = fake.files.Content(std::string(kCfg) + ".vlrna.bak");
    const std::string installed = fake.files.Content(kCfg);

    std::vector<RemovalReport> reports = Uninstall();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].done()) << reports[0].failures.front();
    EXPECT_TRUE(reports[0].had_record);
    EXPECT_EQ(reports[0].kept, std::vector<std::string>{});
    ExpectSimulatorAsBefore();
    ExpectPackageGone();
    EXPECT_EQ(fake.files.Content(std::string(kCfg) + ".vlrna.bak"), backup);
    EXPECT_EQ(fake.files.Content(RemovalBackupOf(kCfg)), installed);
    EXPECT_TRUE(Uninstall().empty());  // nothing left to find
  }
}

TEST_F(PackageRemovalTest, KeepsWhatOthersChangedSinceTheInstallation) {
  SimulatorFiles(Encoding::kAnsi, "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=100\r\n");
  Install();
  const std::string addon = "[Area.200]\r\nTitle=Other\r\nLocal=Addon\\x\r\nLayer=200\r\n";
  fake.files.AddFile(kCfg, fake.files.Content(kCfg) + addon);
  WriteIniValue(ini, kSimCfg, "TERRAIN", "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS", "512");
  const std::string new_spb = AutogenFile({"{simulator update}"});
  fake.files.AddFile(kSpb, new_spb);  // the simulator replaced it
  fake.files.AddFile("E:\\Scenery\\vlrna\\ortho\\b.bgl", "edited");

  std::vector<RemovalReport> reports = Uninstall();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].done());
  EXPECT_EQ(fake.files.Content(kCfg), cfg_before + addon);
  EXPECT_EQ(ReadIniValue(ini, kSimCfg, "TERRAIN", "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS", ""), "512");
  EXPECT_EQ(fake.files.Content(kSpb), new_spb);
  EXPECT_EQ(fake.files.Content("E:\\Scenery\\vlrna\\ortho\\b.bgl"), "edited");
  EXPECT_FALSE(fake.files.HasFile("E:\\Scenery\\vlrna\\dem\\a.bgl"));
  EXPECT_FALSE(fake.files.HasFile(kRecord));
  ASSERT_EQ(reports[0].kept.size(), 2u);
  EXPECT_NE(reports[0].kept[0].find("ortho\\b.bgl"), std::string::npos);
  EXPECT_NE(reports[0].kept[1].find("(512)"), std::string::npos);
  EXPECT_TRUE(Logged("No package records in C:\\FSX\\Autogen\\AutogenDescriptions.spb"));
}

// After a simulator update the options page patches the new file again and
// notes it in the record: the removal then gives back the updated file.
TEST_F(PackageRemovalTest, ARestoredAutogenFileIsRecordedAndComesBackAsTheUpdateLeftIt) {
  SimulatorFiles(Encoding::kAnsi, "");
  Install();
  const std::string updated = AutogenFile({"{simulator update}"}, std::string("\x09\0\0\0", 4));
  fake.files.AddFile(kSpb, updated);
  std::vector<RestoredSimulator> restored = RestoreAutogenDescriptions(ctx);
  ASSERT_EQ(restored.size(), 1u);
  ASSERT_EQ(restored[0].files[0].outcome, RestoreOutcome::kRestored);
  RecordRestoredAutogen(ctx, ini, restored);
  std::optional<InstallRecord> record = ParseInstallRecord(fake.files.Content(kRecord));
  ASSERT_TRUE(record);
  ASSERT_EQ(record->autogen.size(), 1u);
  EXPECT_EQ(record->autogen[0].overwritten, std::string("\x09\0\0\0", 4));

  for (const RemovalReport& report : Uninstall()) EXPECT_TRUE(report.done());
  EXPECT_EQ(fake.files.Content(kSpb), updated);
  EXPECT_EQ(fake.files.Content(kCfg), cfg_before);
}

// An installation through the manual path page knows no simulator row.
TEST_F(PackageRemovalTest, ARecordWithoutASimulatorsNameServesTheLibraryItNames) {
  SimulatorFiles(Encoding::kAnsi, "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=8\r\n");
  state.gsSimDataPath[0] = "";  // as if the simulator had not been found
  Install();
  EXPECT_TRUE(fake.files.HasFile("E:\\Scenery\\vlrna\\VLRNA_INSTALL.txt"));
  state.gsSimDataPath[0] = "C:\\ProgramData\\Microsoft\\FSX";
  std::vector<RemovalReport> reports = Uninstall();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].had_record);
  ExpectSimulatorAsBefore();
  ExpectPackageGone();
}

TEST_F(PackageRemovalTest, WithoutARecordTheAreasAndAutogenRecordsStillGo) {
  SimulatorFiles(Encoding::kUtf8, "");
  Install();
  fake.files.Remove(kRecord);
  std::vector<RemovalReport> reports = Uninstall();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_TRUE(reports[0].done());
  EXPECT_FALSE(reports[0].had_record);
  EXPECT_EQ(fake.files.Content(kCfg), cfg_before);
  EXPECT_EQ(fake.files.Content(kSpb), spb_before);
  // Neither the files nor the terrain value can be judged without the record.
  EXPECT_TRUE(fake.files.HasFile("E:\\Scenery\\vlrna\\dem\\a.bgl"));
  EXPECT_NE(fake.files.Content(kSimCfg), sim_cfg_before);
  EXPECT_TRUE(Logged("no installation record holds its earlier value"));
}

// A removal that fails at any write leaves what a second run finishes.
TEST_F(PackageRemovalTest, AFailedWriteAtAnyMomentIsFinishedByASecondRun) {
  SimulatorFiles(Encoding::kUtf16, "[TERRAIN]\r\n");
  Install();
  const auto files_after_install = fake.files;
  FaultInjectingFiles faulty(fake.files);
  Platform platform{fake.registry, faulty,     fake.drives, fake.processes,
                    fake.system,   fake.sound, fake.window, fake.code_page};
  Context faulty_ctx{state, platform};
  for (auto op : {FaultInjectingFiles::Op::kReplace, FaultInjectingFiles::Op::kDelete,
                  FaultInjectingFiles::Op::kCopy}) {
    for (int nth = 1; nth <= 6; ++nth) {
      SCOPED_TRACE(std::to_string(static_cast<int>(op)) + "/" + std::to_string(nth));
      fake.files = files_after_install;
      IniService faulty_ini(faulty, fake.code_page);
      faulty.FailNth(op, nth, kErrDiskFull);
      Uninstall(faulty_ctx, faulty_ini);
      faulty.FailNth(op, 0, 0);
      IniService fresh(fake.files, fake.code_page);  // the files were swapped under the old one
      for (const RemovalReport& report : Uninstall(ctx, fresh)) EXPECT_TRUE(report.done());
      ExpectSimulatorAsBefore();
      ExpectPackageGone();
    }
  }
}

TEST_F(PackageRemovalTest, AReinstallKeepsTheFirstInstallationsFacts) {
  SimulatorFiles(Encoding::kAnsi, "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=64\r\n");
  Install();
  Install();  // over the first: the simulator's file is ours now, the terrain ours too
  std::optional<InstallRecord> record = ParseInstallRecord(fake.files.Content(kRecord));
  ASSERT_TRUE(record && record->terrain);
  EXPECT_EQ(record->terrain->before_value, "64");
  EXPECT_EQ(record->replaced.size(), 1u);
  EXPECT_EQ(record->finished.back(), "all");
  for (const RemovalReport& report : Uninstall()) EXPECT_TRUE(report.done());
  ExpectSimulatorAsBefore();
  ExpectPackageGone();
}

}  // namespace
}  // namespace vlrna
