#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "platform/posix/test_prefix.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

// A medium in a temporary folder: VLRSetup.exe at the top and a wizard
// script in setup/.
class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.MakeFolder("medium");
    fs::copy_file(VLRNA_LAUNCHER, Medium("VLRSetup.exe"));
  }

  std::string Medium(const std::string& name) { return folder_.Path("medium/" + name); }

  void Wizard(const std::string& relative, const std::string& script) {
    folder_.Write("medium/" + relative, "#!/bin/sh\n" + script);
    fs::permissions(Medium(relative), fs::perms::owner_all);
  }

  // Runs the launcher with `arguments` (shell words); returns its exit code.
  int Run(const std::string& arguments) {
    std::string command =
        "'" + Medium("VLRSetup.exe") + "' " + arguments + " 2>'" + folder_.Path("stderr") + "'";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string Stderr() { return folder_.Read("stderr"); }

  TestPrefix folder_;
};

TEST_F(LauncherTest, StartsTheWizardWithItsArgumentsAndEndsWithItsCode) {
  Wizard("setup/vlrna-setup", "printf '%s|' \"$@\" > \"$(dirname \"$0\")/args\"\nexit 7\n");
  EXPECT_EQ(Run("'a b' c ''"), 7);
  EXPECT_EQ(folder_.Read("medium/setup/args"), "a b|c||");
  EXPECT_EQ(Stderr(), "");
}

TEST_F(LauncherTest, EndsQuietlyWithTheWizardsCodeWhenTheWizardTerminatesIt) {
  Wizard("setup/vlrna-setup", "kill -TERM $PPID\nexit 1\n");
  EXPECT_EQ(Run(""), 1);
  EXPECT_EQ(Stderr(), "");
}

TEST_F(LauncherTest, FindsTheWizardOnADiscWrittenInCapitals) {
  Wizard("SETUP/VLRNA-SETUP", "exit 3\n");
  EXPECT_EQ(Run(""), 3);
}

TEST_F(LauncherTest, AMissingWizardIsReportedWithItsPath) {
  EXPECT_EQ(Run(""), 127);
  EXPECT_NE(Stderr().find(Medium("setup/vlrna-setup")), std::string::npos) << Stderr();
}

}  // namespace
}  // namespace vlrna
