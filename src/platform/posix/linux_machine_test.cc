#include "platform/posix/linux_machine.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/headless/headless_window.h"
#include "platform/posix/test_prefix.h"
#include "shell/install_log.h"

namespace vlrna {
namespace {

// A string value read the way the wizard reads one, without its terminator.
std::string ReadString(Registry& registry, RegistryRoot root, const std::string& key,
                       const std::string& name) {
  RegistryKey handle;
  if (registry.OpenKey(root, key, &handle) != kRegOk) return "<no key>";
  char buffer[512];
  uint32_t size = sizeof buffer;
  int32_t status = registry.QueryValueData(handle, name, reinterpret_cast<uint8_t*>(buffer), &size);
  registry.CloseKey(handle);
  return status == kRegOk && size > 0 ? std::string(buffer, size - 1) : "<no value>";
}

// The demo prefix that tools/make-demo-prefix builds is a machine the wizard
// can start on: the user's folders from the registry, the log written into
// the prefix's user folder, a simulator with the files the wizard edits.
TEST(LinuxMachineTest, TheDemoPrefixServesWhatTheWizardStartsFrom) {
  TestPrefix scratch;
  std::string root = scratch.Path("demo");
  std::string command = "'" VLRNA_SOURCE_DIR "/tools/make-demo-prefix' '" + root +
                        "' --user pilot --fresh > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);

  auto machine = std::make_unique<LinuxMachine>(WinePrefix::Open(root));
  EXPECT_TRUE(machine->prefix.RegistryProblems().empty());
  HeadlessWindow window;
  Platform platform = machine->MakePlatform(window, nullptr);
  ProgramState state;
  Context ctx{state, platform};

  const char kVolatile[] = "Volatile Environment";
  state.gsUserDir =
      ReadString(platform.registry, RegistryRoot::kCurrentUser, kVolatile, "USERPROFILE");
  EXPECT_EQ(state.gsUserDir, "C:\\users\\pilot");
  std::string app_data =
      ReadString(platform.registry, RegistryRoot::kCurrentUser, kVolatile, "APPDATA");
  EXPECT_EQ(app_data, "C:\\users\\pilot\\AppData\\Roaming");
  MakeLogFileName(ctx);
  WriteLog(ctx, "Veltrona Zozo 4.3.217");
  EXPECT_NE(scratch.Read("demo/drive_c/users/pilot/" + state.gsLogFile)
                .find("| Veltrona Zozo 4.3.217\r\n"),
            std::string::npos);

  std::string fsx = ReadString(platform.registry, RegistryRoot::kCurrentUser,
                               "Software\\Microsoft\\Microsoft Games\\Flight Simulator - "
                               "Steam Edition\\10.0",
                               "AppPath");
  std::string common = ReadString(
      platform.registry, RegistryRoot::kLocalMachine,
      "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common AppData");
  EXPECT_TRUE(platform.files.NormalFileExists(fsx + "fsx.exe"));
  EXPECT_EQ(platform.files.ReadAt(fsx + "Autogen\\AutogenDescriptions.spb", 0, 2), "\xAC\xEB");
  EXPECT_TRUE(platform.files.NormalFileExists(common + "\\Microsoft\\FSX-SE\\Scenery.cfg"));
  EXPECT_TRUE(platform.files.NormalFileExists(app_data + "\\Microsoft\\FSX-SE\\fsx_se.cfg"));

  std::vector<std::string> drives = platform.drives.List();
  EXPECT_EQ(drives, (std::vector<std::string>{"c:", "d: [VLRNA_DVD]", "e: [SCENERY]", "z:"}));
  EXPECT_EQ(platform.drives.TypeOf("E:\\"), kDriveFixed);
  EXPECT_EQ(platform.drives.TypeOf("C:\\"), kDriveFixed);
  EXPECT_EQ(platform.drives.TypeOf("D:\\"), kDriveCdRom);
  EXPECT_TRUE(platform.drives.IsReady("D:"));
}

}  // namespace
}  // namespace vlrna
