#include "pages/unattended_run.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_machine.h"
#include "shell/simulator_table.h"

namespace vlrna {
namespace {

constexpr char kSceneryCfg[] = "C:\\ProgramData\\Microsoft\\FSX\\scenery.cfg";
constexpr char kSimCfg[] = "C:\\Users\\pilot\\AppData\\Roaming\\Microsoft\\FSX\\fsx.cfg";
const char* const kArchives[] = {"setup.101", "setup.102", "setup.103", "setup.104", "setup.105",
                                 "setup.201", "setup.202", "setup.203", "setup.204"};

// FSX on a machine whose medium holds all nine archives; a second hard disk
// E: for the scenery.
struct UnattendedRun {
  UnattendedRun() {
    DescribeTypicalMachine(fake);
    for (const char* name : kArchives) fake.files.AddFile(std::string("D:\\") + name, "PK");
    fake.files.AddFile(kSceneryCfg, "[General]\r\nTitle=FS9 World Scenery\r\n");
    fake.files.AddFile(kSimCfg, "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=32\r\n");
    fake.drives.drives.push_back({"e: [data]", kDriveFixed, 20'000'000'000ull, true});
    fake.zip.total_bytes = 1024;
    fake.zip.progress_steps = {512, 1024};
  }
  // Runs with the command line `args` and returns the exit code.
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--unattended", "--accept-license", "--language=E"});
    const ParsedCommandLine command = ParseCommandLine(args);
    EXPECT_EQ(command.error, "");
    UnattendedOutput out;
    out.print = [this](const std::string& line) { printed += line + "\n"; };
    out.print_native = out.print;
    try {
      RunUnattended(fake.platform, fake.window, command.options, out);
    } catch (const ProcessEnded& end) {
      return end.exit_code;
    }
    return -1;
  }
  bool Printed(const std::string& text) const { return printed.find(text) != std::string::npos; }

  FakePlatform fake;
  std::string printed;
};

TEST(UnattendedRunTest, ExitCodesTellHowTheRunEnded) {
  struct Case {
    const char* what;
    std::function<void(FakePlatform&)> setup;
    std::vector<std::string> args;
    int exit_code;
    const char* printed;
  };
  const Case cases[] = {
      {"installed", nullptr, {"--dir=E:\\Scenery"}, 0, "page Finished"},
      {"an edit failed",
       [](FakePlatform& f) { f.files.Break(kSceneryCfg, kErrPermissionDenied); },
       {},
       3,
       "page Finished"},
      {"simulator not installed", nullptr, {"--simulator=P3D2"}, 1, "P3D2 (--simulator) is not"},
      {"no room on the drive",
       [](FakePlatform& f) { f.drives.drives.back().free_bytes = 14'000'000'000ull; },
       {"--dir=E:\\Scenery"},
       1,
       "[box destination-no-space]"},
      {"no simulator at all",
       [](FakePlatform& f) {
         f.registry.SetString(RegistryRoot::kCurrentUser, kSimulatorTable[0].registry_key,
                              kAppPathValue, "");
       },
       {},
       1,
       "Next is not available on the page FSSelect"},
      {"a missing archive",
       [](FakePlatform& f) { f.files.Remove("D:\\setup.203"); },
       {},
       1,
       "[box install-disc-prompt]"},
      {"restored", nullptr, {"--restore-autogen"}, 0, "[box options-summary]"},
  };
  for (const Case& c : cases) {
    UnattendedRun run;
    if (c.setup) c.setup(run.fake);
    EXPECT_EQ(run.Run(c.args), c.exit_code) << c.what << "\n" << run.printed;
    EXPECT_TRUE(run.Printed(c.printed)) << c.what << "\n" << run.printed;
    // The launcher ends with the same code, which its caller sees.
    EXPECT_EQ(run.fake.processes.terminated_with, std::vector<int>{c.exit_code}) << c.what;
  }
}

TEST(UnattendedRunTest, AnEarlierInstallationKeepsItsFolder) {
  for (const char* dir : {"D:\\Old", "D:\\Other"}) {
    UnattendedRun run;
    run.fake.files.AddFile(
        kSceneryCfg,
        "[Area.001]\r\nTitle=Veltrona Elevation\r\nLocal=D:\\Old\\vlrna\\dem\r\nLayer=1\r\n");
    run.fake.files.AddFolder("D:\\Old\\vlrna");
    run.fake.drives.drives[1] = {"d: [data]", kDriveFixed, 20'000'000'000ull, true};
    const int code = run.Run({std::string("--dir=") + dir});
    EXPECT_EQ(code, std::string(dir) == "D:\\Old" ? 0 : 1) << run.printed;
    EXPECT_EQ(run.Printed("installed in D:\\Old\\vlrna\\ already"), code == 1) << run.printed;
  }
}

}  // namespace
}  // namespace vlrna
