#include "platform/posix/posix_processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>

#include "platform/posix/test_prefix.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

TEST(PosixProcessesTest, FindsARunningLauncherWithItsWindowsPathAndEndsIt) {
  TestPrefix prefix;
  prefix.MakeFolder("drive_c/Medium");
  std::string launcher = prefix.Path("drive_c/Medium/VLRSetup.exe");
  std::filesystem::copy_file("/bin/sleep", launcher);
  std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
  pid_t pid;
  char arg0[] = "VLRSetup.exe", arg1[] = "600";
  char* argv[] = {arg0, arg1, nullptr};
  ASSERT_EQ(posix_spawn(&pid, launcher.c_str(), nullptr, nullptr, argv, environ), 0);

  WinePrefix wine = prefix.Open();
  PosixProcesses processes(wine);
  std::vector<ProcessInfo> list = processes.List();
  auto it = std::find_if(list.begin(), list.end(),
                         [&](const ProcessInfo& p) { return p.id == static_cast<uint64_t>(pid); });
  ASSERT_NE(it, list.end());
  EXPECT_EQ(it->name, "VLRSetup.exe");
  EXPECT_EQ(it->executable_path, "C:\\Medium\\VLRSetup.exe");
  EXPECT_TRUE(
      std::is_sorted(list.begin(), list.end(),
                     [](const ProcessInfo& a, const ProcessInfo& b) { return a.id < b.id; }));

  // An id now held by another program is left alone.
  ProcessInfo stale = *it;
  stale.executable_path = "D:\\VLRSetup.exe";
  EXPECT_FALSE(processes.Terminate(stale, 1));
  EXPECT_EQ(kill(pid, 0), 0);

  EXPECT_TRUE(processes.Terminate(*it, 1));
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_FALSE(processes.Terminate(*it, 1));
}

TEST(PosixProcessesTest, WindowsProgramsUnderWineShowAsThemselves) {
  TestPrefix prefix;
  prefix.Write("drive_c/Medium/VLRSetup.exe", "");
  prefix.Write("bin/wine64-preloader", "");
  namespace fs = std::filesystem;
  using std::string_literals::operator""s;
  auto process = [&](const std::string& pid, const std::string& exe, const std::string& cmdline) {
    prefix.MakeFolder("proc/" + pid);
    if (!exe.empty()) fs::create_symlink(exe, prefix.Path("proc/" + pid + "/exe"));
    prefix.Write("proc/" + pid + "/cmdline", cmdline);
  };
  process("4242", prefix.Path("bin/wine64-preloader"),
          "C:\\Program Files (x86)\\Steam\\FSX\\fsx.exe\0-x\0"s);
  process("77", prefix.Path("drive_c/Medium/VLRSetup.exe") + " (deleted)", "");
  process("88", "", "");  // another user's process: no readable exe
  process("99", prefix.Path("bin/wine64-preloader"), "/usr/lib/wine/wineserver\0"s);
  prefix.MakeFolder("proc/self");

  WinePrefix wine = prefix.Open();
  PosixProcesses processes(wine, prefix.Path("proc"));
  std::vector<ProcessInfo> list = processes.List();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].id, 77u);
  EXPECT_EQ(list[0].name, "VLRSetup.exe");
  EXPECT_EQ(list[0].executable_path, "C:\\Medium\\VLRSetup.exe");
  EXPECT_EQ(list[1].id, 99u);
  EXPECT_EQ(list[1].name, "wineserver");
  EXPECT_EQ(list[1].executable_path, "Z:\\usr\\lib\\wine\\wineserver");
  EXPECT_EQ(list[2].id, 4242u);
  EXPECT_EQ(list[2].name, "fsx.exe");
  EXPECT_EQ(list[2].executable_path, "C:\\Program Files (x86)\\Steam\\FSX\\fsx.exe");

  std::filesystem::remove_all(prefix.Path("proc"));
  EXPECT_THROW(processes.List(), RuntimeError);
}

}  // namespace
}  // namespace vlrna
