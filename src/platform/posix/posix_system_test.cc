#include "platform/posix/posix_system.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "platform/posix/locale_lang_id.h"
#include "platform/posix/posix_sound.h"
#include "platform/posix/test_prefix.h"

namespace vlrna {
namespace {

TEST(LocaleLangIdTest, LocaleNamesGiveTheLanguageIdsWineDerives) {
  EXPECT_EQ(LangIdFromLocale("de_DE.UTF-8"), 0x0407);
  EXPECT_EQ(LangIdFromLocale("de_CH.UTF-8"), 0x0807);
  EXPECT_EQ(LangIdFromLocale("de_AT@euro"), 0x0C07);
  EXPECT_EQ(LangIdFromLocale("it_IT"), 0x0410);
  EXPECT_EQ(LangIdFromLocale("it_CH.utf8"), 0x0810);
  EXPECT_EQ(LangIdFromLocale("fr_FR.ISO-8859-15@euro"), 0x040C);
  EXPECT_EQ(LangIdFromLocale("en_US.UTF-8"), 0x0409);
  EXPECT_EQ(LangIdFromLocale("en_GB"), 0x0809);
  EXPECT_EQ(LangIdFromLocale("de"), 0x0407);
  EXPECT_EQ(LangIdFromLocale("de_BE"), 0x0407);  // unknown country: the primary form
  EXPECT_EQ(LangIdFromLocale("C.UTF-8"), 0x0409);
  EXPECT_EQ(LangIdFromLocale("POSIX"), 0x0409);
  EXPECT_EQ(LangIdFromLocale(""), 0x0409);
  EXPECT_EQ(LangIdFromLocale("xx_YY"), 0x0409);
}

// As Wine takes it: LC_ALL, then LC_CTYPE, then LANG; LC_MESSAGES plays no
// part.
TEST(LocaleLangIdTest, LcAllThenLcCtypeThenLang) {
  std::string saved[4];
  const char* names[] = {"LC_ALL", "LC_CTYPE", "LANG", "LC_MESSAGES"};
  for (int i = 0; i < 4; ++i) saved[i] = getenv(names[i]) ? getenv(names[i]) : "\x01";
  setenv("LC_ALL", "", 1);  // set but empty counts as unset
  setenv("LC_MESSAGES", "it_IT.UTF-8", 1);
  setenv("LC_CTYPE", "de_DE.UTF-8", 1);
  setenv("LANG", "en_US.UTF-8", 1);
  EXPECT_EQ(SystemLangIdFromEnvironment(), 0x0407);
  unsetenv("LC_CTYPE");
  EXPECT_EQ(SystemLangIdFromEnvironment(), 0x0409);
  setenv("LC_ALL", "fr_CH", 1);
  EXPECT_EQ(SystemLangIdFromEnvironment(), 0x100C);
  for (int i = 0; i < 4; ++i) {
    if (saved[i] == "\x01") {
      unsetenv(names[i]);
    } else {
      setenv(names[i], saved[i].c_str(), 1);
    }
  }
}

TEST(PosixSystemTest, FoldersTimeAndVersion) {
  TestPrefix prefix;
  WinePrefix wine = prefix.Open();
  PosixSystem system(wine);
  EXPECT_EQ(system.WindowsFolder(), "C:\\windows");
  // The test binary lies below /, which the prefix's Z: holds.
  char exe[4096];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  ASSERT_GT(n, 0);
  std::string folder(exe, static_cast<size_t>(n));
  folder.resize(folder.find_last_of('/'));
  for (char& c : folder) c = c == '/' ? '\\' : c;
  EXPECT_EQ(system.ProgramFolder(), "Z:" + folder);
  EXPECT_GE(system.Now().year, 2024);
  const int64_t before = system.MonotonicMillis();
  EXPECT_LE(before, system.MonotonicMillis());
  ProgramVersion version = system.Version();
  EXPECT_GT(version.major + version.minor + version.revision, 0);
}

TEST(PosixSystemTest, EndProcessFlushesAndEndsWithTheCode) {
  TestPrefix prefix;
  WinePrefix wine = prefix.Open();
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  std::fflush(nullptr);  // what the test's own output left buffered must not reach the child
  pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], 1);
    std::printf("still buffered");
    PosixSystem(wine).EndProcess(3);
  }
  close(out[1]);
  char text[64] = {};
  ssize_t got = read(out[0], text, sizeof text - 1);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_EQ(std::string(text, got > 0 ? got : 0), "still buffered");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3);
}

TEST(PosixSoundTest, SoundGoesOutOnlyWhereThereIsAServerOrADevice) {
  TestPrefix folder;
  folder.MakeFolder("snd");
  folder.MakeFolder("run");
  EXPECT_FALSE(SoundOutputPresent(folder.Path("snd"), folder.Path("run"), ""));
  EXPECT_FALSE(SoundOutputPresent(folder.Path("none"), "", ""));
  folder.Write("snd/controlC0", "");
  EXPECT_FALSE(SoundOutputPresent(folder.Path("snd"), folder.Path("run"), ""));
  EXPECT_TRUE(SoundOutputPresent(folder.Path("snd"), folder.Path("run"), "tcp:host"));
  folder.Write("run/pipewire-0", "");
  EXPECT_TRUE(SoundOutputPresent(folder.Path("snd"), folder.Path("run"), ""));
  folder.Write("snd/pcmC0D0p", "");
  EXPECT_TRUE(SoundOutputPresent(folder.Path("snd"), "", ""));
}

TEST(PosixSoundTest, NoDeviceOrNoFileIsSilence) {
  TestPrefix prefix;
  WinePrefix wine = prefix.Open();
  PosixSound sound(wine);
  sound.Stop();
  sound.PlayAsync("C:\\missing\\setup.wav");
  sound.PlayAsync("no path at all");
  sound.Stop();
}

}  // namespace
}  // namespace vlrna
