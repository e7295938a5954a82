#include "platform/posix/posix_drives.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/posix_registry.h"
#include "platform/posix/test_prefix.h"
#include "platform/runtime_error.h"

namespace vlrna {
namespace {

class PosixDrivesTest : public ::testing::Test {
 protected:
  PosixDrivesTest() {
    prefix_.Write("cdrom/.windows-label", "VLRNA_DVD\n");
    prefix_.MakeFolder("net share");
    prefix_.MakeFolder("ram");
    prefix_.MakeFolder("plain");
    prefix_.Link('d', prefix_.Path("cdrom"));
    prefix_.Link('e', prefix_.Path("no disc"));
    prefix_.Link('f', prefix_.Path("cdrom"));
    prefix_.Link('n', prefix_.Path("net share"));
    prefix_.Link('r', prefix_.Path("ram"));
    prefix_.Link('p', prefix_.Path("plain"));
    prefix_.Write("a file", "not a drive");
    prefix_.Link('x', prefix_.Path("a file"));
    std::string real = std::filesystem::canonical(prefix_.root()).string();
    // Mount points as mountinfo escapes them: a blank is \040.
    prefix_.Write("mountinfo",
                  "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                  "40 22 11:0 / " +
                      real +
                      "/cdrom ro,relatime shared:9 - iso9660 /dev/sr0 ro\n"
                      "41 22 0:50 / " +
                      real +
                      "/net\\040share rw - nfs4 nas:/share rw\n"
                      "42 22 0:51 / " +
                      real +
                      "/ram rw - tmpfs tmpfs rw\n"
                      "43 22 0:52 / " +
                      real +
                      "/plain rw - fuse.sshfs host:/x rw\n"
                      "44 22 0:53 / " +
                      real + "/plain rw - ext4 /dev/sdb1 rw\n");
    prefix_.SetSystemReg(
        "\n[Software\\\\Wine\\\\Drives] 1733412345\n\"d:\"=\"cdrom\"\n"
        "\"c:\"=\"hd\"\n\"r:\"=\"network\"\n\"p:\"=\"strange\"\n");
    wine_.emplace(prefix_.Open());
    registry_.emplace(*wine_);
    drives_.emplace(*wine_, *registry_, prefix_.Path("mountinfo"));
  }

  TestPrefix prefix_;
  std::optional<WinePrefix> wine_;
  std::optional<PosixRegistry> registry_;
  std::optional<PosixDrives> drives_;
};

// A link to a plain file (x:) is no drive.
TEST_F(PosixDrivesTest, ListsEveryLinkInLetterOrderWithItsLabel) {
  EXPECT_EQ(drives_->List(), (std::vector<std::string>{"c:", "d: [VLRNA_DVD]", "e:",
                                                       "f: [VLRNA_DVD]", "n:", "p:", "r:", "z:"}));
}

TEST_F(PosixDrivesTest, TypesComeFromTheRegistryElseFromTheMountTable) {
  EXPECT_EQ(drives_->TypeOf("C:\\"), kDriveFixed);      // "hd"
  EXPECT_EQ(drives_->TypeOf("d:\\"), kDriveCdRom);      // "cdrom"
  EXPECT_EQ(drives_->TypeOf("R:\\"), kDriveRemote);     // the registry wins over tmpfs
  EXPECT_EQ(drives_->TypeOf("F:\\"), kDriveCdRom);      // iso9660
  EXPECT_EQ(drives_->TypeOf("N:\\"), kDriveRemote);     // nfs4, mount point with a blank
  EXPECT_EQ(drives_->TypeOf("P:\\"), kDriveFixed);      // the later of two mounts is on top
  EXPECT_EQ(drives_->TypeOf("Z:\\"), kDriveFixed);      // ext4 at /
  EXPECT_EQ(drives_->TypeOf("E:\\"), kDriveNoRootDir);  // the link leads nowhere
  EXPECT_EQ(drives_->TypeOf("Q:\\"), kDriveNoRootDir);
  EXPECT_EQ(drives_->TypeOf("X:\\"), kDriveNoRootDir);  // a plain file
  EXPECT_EQ(drives_->TypeOf("nonsense"), kDriveNoRootDir);
  prefix_.Write("mountinfo", "42 22 0:51 / " + std::filesystem::canonical(prefix_.root()).string() +
                                 " rw - tmpfs tmpfs rw\n");
  EXPECT_EQ(drives_->TypeOf("C:\\"), kDriveFixed);
  EXPECT_EQ(drives_->TypeOf("Z:\\"), kDriveFixed);
  EXPECT_EQ(drives_->TypeOf("F:\\"), kDriveRamDisk);
}

TEST_F(PosixDrivesTest, FreeSpaceAndReadiness) {
  EXPECT_GT(drives_->FreeBytesForCaller("C:\\").value_or(0), 0u);
  EXPECT_FALSE(drives_->FreeBytesForCaller("E:\\"));
  EXPECT_FALSE(drives_->FreeBytesForCaller("Q:\\"));
  EXPECT_FALSE(drives_->FreeBytesForCaller("X:\\"));
  EXPECT_TRUE(drives_->IsReady("D:"));
  EXPECT_TRUE(drives_->IsReady("d"));
  EXPECT_TRUE(drives_->IsReady("C:\\"));
  EXPECT_FALSE(drives_->IsReady("E:"));
  EXPECT_FALSE(drives_->IsReady("Q:"));
  for (const char* bad : {"D: [VLRNA_DVD]", "", "1:", "D:\\x"}) {
    try {
      drives_->IsReady(bad);
      ADD_FAILURE() << bad;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), kErrDeviceUnavailable);
    }
  }
}

}  // namespace
}  // namespace vlrna
