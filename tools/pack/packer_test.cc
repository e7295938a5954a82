#include "tools/pack/packer.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/archive/archive_zip.h"
#include "platform/archive/zip_reader.h"
#include "platform/single_byte_code_page.h"
#include "shell/archive_keys.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

class PackerTest : public ::testing::Test {
 protected:
  PackerTest() {
    std::string pattern = (fs::temp_directory_path() / "vlrna_pack_XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    for (const ArchiveKeyUse& use : kArchiveKeyUses) {
      fs::path folder = root_ / "content" / std::string(use.archive);
      Write(folder / "vlrna" / "dem" / (std::string(use.archive) + ".bgl"),
            std::string(use.archive));
    }
    Write(root_ / "content/setup.101/vlrna/ortho/b.txt", "b");
    Write(root_ / "content/setup.101/vlrna/ortho/a.txt", "a");
    Write(root_ / "content/setup.101/vlrna/Z\xc3\xbcrich.txt", "umlaut");
    fs::create_directories(root_ / "content/setup.101/vlrna/zzqb");
  }
  ~PackerTest() override { fs::remove_all(root_); }

  static void Write(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
  }

  int Run(ZipEncryption encryption, bool verify) {
    PackOptions options{(root_ / "content").string(), (root_ / "out").string(), encryption, verify,
                        false};
    return Pack(options, out_, err_);
  }

  std::vector<std::string> Names(const std::string& archive) {
    ZipReader reader((root_ / "out" / archive).string(), Windows1252());
    std::vector<std::string> names;
    EXPECT_TRUE(reader.Open(""));
    ZipEntry entry;
    while (reader.Next(entry) == ZipReader::kEntry) {
      names.push_back(Windows1252().AnsiToUtf8(entry.name));
    }
    return names;
  }

  fs::path root_;
  std::ostringstream out_;
  std::ostringstream err_;
};

// What the wizard will do: unpack each archive with the password of its key.
TEST_F(PackerTest, WizardUnpacksEveryArchiveWithItsOwnPassword) {
  for (ZipEncryption encryption : {ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    ASSERT_EQ(Run(encryption, true), 0) << err_.str();
    EXPECT_NE(out_.str().find("9 archives written"), std::string::npos) << out_.str();
    fs::path into = root_ / "installed";
    ArchiveZip zip({[&](const std::string& path) {
                      std::string native = Windows1252().AnsiToUtf8(path);
                      std::replace(native.begin(), native.end(), '\\', '/');
                      return native.starts_with("I:/")
                                 ? (into / native.substr(3)).string()
                                 : (root_ / "out" / native.substr(3)).string();
                    },
                    Windows1252(), 2});
    for (const ArchiveKeyUse& use : kArchiveKeyUses) {
      std::string password = ArchivePassword(kArchiveGuids[use.key - 1]);
      ASSERT_EQ(zip.zOpenZipFile("O:\\" + std::string(use.archive)), 0);
      EXPECT_EQ(zip.zExtractAll("I:\\", "wrongpwd", 1, 1, 0, {}), 1) << use.archive;
      ASSERT_EQ(zip.zExtractAll("I:\\", password, 1, 1, 0, {}), 0) << zip.zGetLastErrorAsText();
      std::ifstream in(into / "vlrna/dem" / (std::string(use.archive) + ".bgl"));
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), use.archive);
    }
    EXPECT_TRUE(fs::is_regular_file(into / "vlrna/Z\xc3\xbcrich.txt"));
    EXPECT_TRUE(fs::is_directory(into / "vlrna/zzqb"));
    fs::remove_all(into);
  }
}

TEST_F(PackerTest, EntryOrderIsStableWithFoldersFirst) {
  ASSERT_EQ(Run(ZipEncryption::kTraditional, false), 0) << err_.str();
  std::vector<std::string> first = Names("setup.101");
  EXPECT_EQ(first, (std::vector<std::string>{
                       "vlrna/", "vlrna/Z\xc3\xbcrich.txt", "vlrna/dem/", "vlrna/dem/setup.101.bgl",
                       "vlrna/ortho/", "vlrna/ortho/a.txt", "vlrna/ortho/b.txt", "vlrna/zzqb/"}));
  Write(root_ / "content/setup.101/vlrna/ortho/a.txt", "touched");
  ASSERT_EQ(Run(ZipEncryption::kTraditional, false), 0);
  EXPECT_EQ(Names("setup.101"), first);
}

TEST_F(PackerTest, RefusesMissingFoldersAndNamesTheWizardWouldRefuse) {
  fs::remove_all(root_ / "content/setup.204");
  EXPECT_EQ(Run(ZipEncryption::kTraditional, false), 1);
  EXPECT_NE(err_.str().find("setup.204 is missing"), std::string::npos) << err_.str();
  Write(root_ / "content/setup.204/vlrna/aux.txt", "device");
  err_.str("");
  EXPECT_EQ(Run(ZipEncryption::kTraditional, false), 1);
  EXPECT_NE(err_.str().find("aux.txt: the wizard would refuse"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(root_ / "out/setup.204"));
  EXPECT_FALSE(fs::exists(root_ / "out/setup.204.part"));
}

}  // namespace
}  // namespace vlrna
