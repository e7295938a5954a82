#include "pages/unattended_options.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

TEST(UnattendedOptionsTest, ReadsWhatTheCommandLineAsksAndRefusesTheRest) {
  struct Case {
    std::vector<std::string> args;
    const char* error;  // a part of the refusal, or nullptr
  };
  const Case cases[] = {
      {{}, nullptr},
      {{"--help"}, nullptr},
      {{"--unattended", "--accept-license", "--language=d", "--simulator=p3d4",
        "--dir=E:\\Scenery"},
       nullptr},
      {{"--unattended", "--accept-license", "--language=E", "--restore-autogen"}, nullptr},
      {{"--unattended", "--accept-license", "--language=E", "--dry-run"}, nullptr},
      {{"--unattended", "--language=E"}, "needs --accept-license"},
      {{"--unattended", "--accept-license"}, "needs --language"},
      {{"--unattended", "--accept-license", "--language=X"}, "unknown language \"X\""},
      {{"--unattended", "--accept-license", "--language=E", "--simulator=MSFS"},
       "unknown simulator \"MSFS\""},
      {{"--unattended", "--accept-license", "--language=E", "--dir=Scenery"}, "--dir=Scenery"},
      {{"--unattended", "--accept-license", "--language=E", "--dir=C:\\a\\..\\b"}, "--dir="},
      {{"--unattended", "--accept-license", "--language=E", "--restore-autogen", "--dir=C:\\x"},
       "goes with neither"},
      {{"--unattended", "--accept-license", "--language=E", "--silent"},
       "unknown option \"--silent\""},
      {{"--language=E"}, "need --unattended"},
      {{"--dry-run"}, "need --unattended"},
      {{"--unattended", "--uninstall"}, nullptr},
      {{"--unattended", "--uninstall", "--language=F", "--simulator=FSX-SE"}, nullptr},
      {{"--unattended", "--uninstall", "--dir=C:\\x"}, "goes with neither"},
      {{"--unattended", "--uninstall", "--restore-autogen"}, "goes with neither"},
      {{"--uninstall"}, "need --unattended"},
  };
  for (const Case& c : cases) {
    const ParsedCommandLine parsed = ParseCommandLine(c.args);
    const std::string line = c.args.empty() ? "(none)" : c.args.back();
    if (c.error == nullptr) {
      EXPECT_EQ(parsed.error, "") << line;
    } else {
      EXPECT_NE(parsed.error.find(c.error), std::string::npos) << line << ": " << parsed.error;
    }
  }
  const UnattendedOptions o = ParseCommandLine(cases[2].args).options;
  EXPECT_TRUE(o.unattended);
  EXPECT_EQ(o.language, "D");
  EXPECT_EQ(o.simulator, 5);
  EXPECT_EQ(o.dir, "E:\\Scenery");
  EXPECT_FALSE(o.dry_run);
  EXPECT_TRUE(ParseCommandLine(cases[4].args).options.dry_run);
  EXPECT_EQ(SimulatorName(1), "FSX-SE");
  const UnattendedOptions removal = ParseCommandLine({"--unattended", "--uninstall"}).options;
  EXPECT_TRUE(removal.uninstall);
  EXPECT_EQ(removal.language, "E");
  EXPECT_FALSE(removal.simulator);
}

}  // namespace
}  // namespace vlrna
