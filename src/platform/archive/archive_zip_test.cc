#include "platform/archive/archive_zip.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "platform/archive/archive_zip_fixture.h"
#include "platform/fake/fake_code_page.h"

namespace vlrna {
namespace {

// A stored entry "big.bin" of four bytes whose headers claim 5 GiB unpacked,
// as large scenery tiles are: zip64 sizes in local and central headers.
std::string ZipClaimingFiveGiB() {
  std::string zip;
  auto put = [&zip](uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) zip += static_cast<char>(value >> (8 * i));
  };
  const uint64_t claimed = 5ull << 30;
  auto sizes = [&] { put(0x0001, 2), put(16, 2), put(claimed, 8), put(4, 8); };
  put(0x04034b50, 4), put(45, 2), put(0, 2), put(0, 2), put(0, 2), put(0x21, 2);
  put(0xed82cd11, 4), put(0xffffffff, 4), put(0xffffffff, 4), put(7, 2), put(20, 2);
  zip += "big.bin";
  sizes();
  zip += "abcd";
  const uint64_t central = zip.size();
  put(0x02014b50, 4), put(0x032d, 2), put(45, 2), put(0, 2), put(0, 2), put(0, 2), put(0x21, 2);
  put(0xed82cd11, 4), put(0xffffffff, 4), put(0xffffffff, 4), put(7, 2), put(20, 2), put(0, 2);
  put(0, 2), put(0, 2), put(0x81a40000, 4), put(0, 4);
  zip += "big.bin";
  sizes();
  const uint64_t central_size = zip.size() - central;
  put(0x06054b50, 4), put(0, 2), put(0, 2), put(1, 2), put(1, 2), put(central_size, 4);
  put(central, 4), put(0, 2);
  return zip;
}

TEST_F(ArchiveZipTest, TotalsOfFourGiBAndMoreKeepAllTheirBits) {
  std::ofstream(Map("D:\\setup.201"), std::ios::binary) << ZipClaimingFiveGiB();
  ArchiveZip zip = MakeZip();
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.201"), 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(zip.zGetTotalBytes(), 5ull << 30);
}

class EncryptionTest : public ArchiveZipTest,
                       public ::testing::WithParamInterface<std::pair<ZipEncryption, bool>> {};

TEST_P(EncryptionTest, UnpacksBelowTheResolvedDestinationWithFoldersAndTimes) {
  auto [encryption, deflate] = GetParam();
  ZipBuilder::Options options = Encrypted(encryption);
  options.deflate = deflate;
  const std::string big = Pattern(3'000'000, 1);
  Build("setup.101", options, [&](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFolder("vlrna/", 1'600'000'000));
    ASSERT_TRUE(zip.AddFile("vlrna/dem/n47e008.bgl", big, 1'500'000'000));
    ASSERT_TRUE(zip.AddFile("vlrna/ortho/readme.txt", "photo\r\n", 1'500'000'100));
    ASSERT_TRUE(zip.AddFile("vlrna/ortho/empty.txt", ""));
    ASSERT_TRUE(zip.AddFolder("vlrna/zzqa/empty folder"));
    ASSERT_TRUE(zip.AddFile("vlrna/a/b/c/d/e/f/g/h/i/j/k/l/m/deep.txt", "deep"));
  });
  ArchiveZip zip = MakeZip();
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(zip.zGetTotalBytes(), big.size() + 7 + 4);
  std::vector<uint64_t> seen;
  auto progress = [&] {
    uint64_t entries = 0, bytes = 0;
    ASSERT_NE(zip.zGetRunTimeInfo(entries, bytes), 0);
    seen.push_back(bytes);
  };
  ASSERT_EQ(zip.zExtractAll("C:\\Scenery\\vlrna\\..\\", "B57A1CF7", 1, 1, 0, progress), 0)
      << zip.zGetLastErrorAsText();
  zip.zCloseZipFile();

  fs::path out = root_ / "c/Scenery/vlrna";
  EXPECT_EQ(Read(out / "dem/n47e008.bgl"), big);
  EXPECT_EQ(Read(out / "ortho/readme.txt"), "photo\r\n");
  EXPECT_TRUE(fs::is_regular_file(out / "ortho/empty.txt"));
  EXPECT_EQ(fs::file_size(out / "ortho/empty.txt"), 0u);
  EXPECT_TRUE(fs::is_directory(out / "zzqa/empty folder"));
  EXPECT_EQ(Read(out / "a/b/c/d/e/f/g/h/i/j/k/l/m/deep.txt"), "deep");
  EXPECT_FALSE(fs::exists(root_ / "c/Scenery/vlrna/vlrna"));
  auto written = std::chrono::file_clock::to_sys(fs::last_write_time(out / "dem/n47e008.bgl"));
  EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(written.time_since_epoch()).count(),
            1'500'000'000);

  ASSERT_FALSE(seen.empty());
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), big.size() + 11);
}

INSTANTIATE_TEST_SUITE_P(All, EncryptionTest,
                         ::testing::Values(std::pair{ZipEncryption::kTraditional, true},
                                           std::pair{ZipEncryption::kTraditional, false},
                                           std::pair{ZipEncryption::kAes256, true},
                                           std::pair{ZipEncryption::kNone, true}));

TEST_F(ArchiveZipTest, ManyFilesOfMixedSizesComeOutWholeWhateverTheirLane) {
  // Large and small files, empty ones (stored unencrypted, so libarchive's),
  // and one path written twice, where the later entry must win.
  std::vector<std::pair<std::string, std::string>> files;
  for (unsigned i = 0; i < 40; ++i) {
    size_t size = i % 7 == 0 ? 0 : (i * 7919u) % 5 == 0 ? 2'500'000 + i * 1000 : i * 3001u;
    files.emplace_back("vlrna/tiles/t" + std::to_string(i) + ".bgl", Pattern(size, i));
  }
  files.emplace_back("vlrna/tiles/t3.bgl", Pattern(1'200'000, 99));
  for (ZipEncryption encryption : {ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    SCOPED_TRACE(encryption == ZipEncryption::kAes256 ? "AES" : "traditional");
    Build("setup.104", Encrypted(encryption), [&](ZipBuilder& zip) {
      for (const auto& [name, content] : files) ASSERT_TRUE(zip.AddFile(name, content));
    });
    ArchiveZip zip = MakeZip(2);
    ASSERT_EQ(zip.zOpenZipFile("D:\\setup.104"), 0);
    ASSERT_EQ(zip.zExtractAll("C:\\", "B57A1CF7", 1, 1, 0, [] {}), 0) << zip.zGetLastErrorAsText();
    uint64_t entries = 0, bytes = 0;
    zip.zGetRunTimeInfo(entries, bytes);
    EXPECT_EQ(entries, files.size());
    zip.zCloseZipFile();
    for (size_t i = 0; i + 1 < files.size(); ++i) {
      const std::string& expected = i == 3 ? files.back().second : files[i].second;
      ASSERT_TRUE(Read(root_ / "c" / files[i].first) == expected) << files[i].first;
    }
  }
}

TEST_F(ArchiveZipTest, WrongPasswordFailsNamingArchiveAndEntry) {
  for (ZipEncryption encryption : {ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    Build("setup.102", Encrypted(encryption), [&](ZipBuilder& zip) {
      ASSERT_TRUE(zip.AddFile("vlrna/objects/hangar.bgl", Pattern(10000, 2)));
    });
    // Traditional encryption's header lets one wrong password in 256 through,
    // to fail as damaged data instead; of three, one at least is named.
    int named = 0;
    for (const char* wrong : {"D841DA1B", "D841DA1C", "D841DA1D"}) {
      ArchiveZip zip = MakeZip();
      ASSERT_EQ(zip.zOpenZipFile("D:\\setup.102"), 0);
      EXPECT_EQ(zip.zExtractAll("C:\\", wrong, 1, 1, 0, {}), 1);
      std::string error = zip.zGetLastErrorAsText();
      named += error.find("Wrong password") != std::string::npos;
      EXPECT_NE(error.find("D:\\setup.102"), std::string::npos) << error;
      EXPECT_NE(error.find("vlrna/objects/hangar.bgl"), std::string::npos) << error;
    }
    EXPECT_GE(named, 1);
  }
}

TEST_F(ArchiveZipTest, FlippedByteIsDamagedDataNotSuccess) {
  for (ZipEncryption encryption : {ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    Build("setup.103", Encrypted(encryption), [&](ZipBuilder& zip) {
      ASSERT_TRUE(zip.AddFile("vlrna/dem/tile.bgl", Pattern(200000, 3)));
    });
    std::string path = Map("D:\\setup.103");
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(100000);
    char byte = 0;
    file.read(&byte, 1);
    file.seekp(100000);
    byte = static_cast<char>(byte ^ 0x20);
    file.write(&byte, 1);
    file.close();
    ArchiveZip zip = MakeZip();
    ASSERT_EQ(zip.zOpenZipFile("D:\\setup.103"), 0);
    EXPECT_EQ(zip.zExtractAll("C:\\", "B57A1CF7", 1, 1, 0, {}), 1);
    std::string error = zip.zGetLastErrorAsText();
    EXPECT_NE(error.find("Damaged data in archive D:\\setup.103, entry vlrna/dem/tile.bgl"),
              std::string::npos)
        << error;
  }
}

TEST_F(ArchiveZipTest, MissingOrForeignFilesDoNotOpen) {
  std::ofstream(Map("D:\\setup.104")) << "This is not a zip archive at all.\r\n";
  std::ofstream(Map("D:\\setup.201"));
  ArchiveZip zip = MakeZip();
  for (const char* path : {"D:\\setup.104", "D:\\setup.201", "D:\\setup.999", "Q\\x"}) {
    EXPECT_NE(zip.zOpenZipFile(path), 0) << path;
    EXPECT_NE(zip.zGetLastErrorAsText().find(std::string("Cannot open archive ") + path),
              std::string::npos)
        << zip.zGetLastErrorAsText();
    EXPECT_EQ(zip.zGetTotalBytes(), 0u);
    uint64_t entries = 0, bytes = 0;
    EXPECT_EQ(zip.zGetRunTimeInfo(entries, bytes), 0);
    EXPECT_EQ(zip.zExtractAll("C:\\", "", 1, 1, 0, {}), 1);
  }
}

TEST_F(ArchiveZipTest, EmptyArchiveUnpacksNothingSuccessfully) {
  Build("setup.105", Encrypted(ZipEncryption::kTraditional), [](ZipBuilder&) {});
  ArchiveZip zip = MakeZip();
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.105"), 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(zip.zGetTotalBytes(), 0u);
  EXPECT_EQ(zip.zExtractAll("C:\\FSX\\", "603BC333", 1, 1, 0, {}), 0);
  EXPECT_TRUE(fs::is_directory(root_ / "c/FSX"));
}

TEST_F(ArchiveZipTest, ExistingFilesAreReplacedEvenWhenReadOnly) {
  fs::create_directories(root_ / "c/FSX/Autogen");
  std::ofstream(root_ / "c/FSX/Autogen/default.xml") << "old content that is longer";
  fs::permissions(root_ / "c/FSX/Autogen/default.xml", fs::perms::owner_read);
  Build("setup.105", Encrypted(ZipEncryption::kTraditional),
        [](ZipBuilder& zip) { ASSERT_TRUE(zip.AddFile("Autogen/default.xml", "new")); });
  ArchiveZip zip = MakeZip();
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.105"), 0);
  ASSERT_EQ(zip.zExtractAll("C:\\FSX\\", "B57A1CF7", 1, 1, 0, {}), 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(Read(root_ / "c/FSX/Autogen/default.xml"), "new");
}

// A run killed part-way leaves the temporaries of the files it was writing;
// the next run over the same folder removes those, and only those.
TEST_F(ArchiveZipTest, LeftoversOfAKilledRunGoWithTheNextRun) {
  fs::create_directories(root_ / "c/S/vlrna");
  const std::vector<std::string> leftovers = {".tile.bgl.vlrna-4242-1", ".tile.bgl.vlrna-7-12"};
  const std::vector<std::string> kept = {".other.bgl.vlrna-4242-2", ".tile.bgl.vlrna-x-1",
                                         "tile.bgl.vlrna-4242-3", ".tile.bgl.vlrna-4242"};
  for (const auto& name : leftovers) std::ofstream(root_ / "c/S/vlrna" / name) << "part";
  for (const auto& name : kept) std::ofstream(root_ / "c/S/vlrna" / name) << "mine";
  Build("setup.201", Encrypted(ZipEncryption::kTraditional),
        [](ZipBuilder& zip) { ASSERT_TRUE(zip.AddFile("vlrna/tile.bgl", "tile")); });
  ArchiveZip zip = MakeZip();
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.201"), 0);
  ASSERT_EQ(zip.zExtractAll("C:\\S\\", "B57A1CF7", 1, 1, 0, {}), 0) << zip.zGetLastErrorAsText();
  for (const auto& name : leftovers) EXPECT_FALSE(fs::exists(root_ / "c/S/vlrna" / name)) << name;
  for (const auto& name : kept) EXPECT_EQ(Read(root_ / "c/S/vlrna" / name), "mine") << name;
  EXPECT_EQ(Read(root_ / "c/S/vlrna/tile.bgl"), "tile");
}

TEST_F(ArchiveZipTest, FlaggedAndUnflaggedNamesBecomeAnsiTexts) {
  // Written as ASCII, then given 1252 letters in place: unflagged names as
  // the old Windows tools store them.
  Build("setup.201", Encrypted(ZipEncryption::kNone),
        [](ZipBuilder& zip) { ASSERT_TRUE(zip.AddFile("vlrna/Z#rich/caf#.txt", "1252")); });
  std::string bytes = Read(Map("D:\\setup.201"));
  for (size_t at = bytes.find("Z#rich/caf#"); at != std::string::npos;
       at = bytes.find("Z#rich/caf#", at)) {
    bytes.replace(at, 11, "Z\xfcrich/caf\xe9");
  }
  std::ofstream(Map("D:\\setup.201"), std::ios::binary) << bytes;
  Build("setup.202", Encrypted(ZipEncryption::kNone), [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/M\xc3\xbcnchen/\xe2\x82\xac.txt", "utf8"));
  });
  std::vector<std::string> ansi_names;
  ArchiveZip zip({[&](const std::string& path) {
                    ansi_names.push_back(path);
                    return Map(path);
                  },
                  Windows1252(), 2});
  for (const char* archive : {"D:\\setup.201", "D:\\setup.202"}) {
    ASSERT_EQ(zip.zOpenZipFile(archive), 0);
    ASSERT_EQ(zip.zExtractAll("C:\\S\\", "", 1, 1, 0, {}), 0) << zip.zGetLastErrorAsText();
  }
  EXPECT_EQ(Read(Map("C:\\S\\vlrna\\Z\xfcrich\\caf\xe9.txt")), "1252");
  EXPECT_EQ(Read(Map("C:\\S\\vlrna\\M\xfcnchen\\\x80.txt")), "utf8");
  EXPECT_NE(std::find(ansi_names.begin(), ansi_names.end(), "C:\\S\\vlrna\\M\xfcnchen\\\x80.txt"),
            ansi_names.end());
}

TEST_F(ArchiveZipTest, NamesComeOutInTheMachinesCodePageOrAreRefused) {
  const FakeCodePage cyrillic(1251, kWindows1251HighHalf);
  Build("setup.201", Encrypted(ZipEncryption::kNone), [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/\xd0\x9c\xd0\xb8\xd1\x80.txt", "cyrillic"));  // Мир.txt
  });
  Build("setup.202", Encrypted(ZipEncryption::kNone), [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/first.txt", "first"));
    ASSERT_TRUE(zip.AddFile("vlrna/caf\xc3\xa9.txt", "western"));
  });
  std::vector<std::string> ansi_names;
  ArchiveZip zip({[&](const std::string& path) {
                    ansi_names.push_back(path);
                    return Map(path, cyrillic);
                  },
                  cyrillic, 2});
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.201"), 0);
  ASSERT_EQ(zip.zExtractAll("C:\\S\\", "", 1, 1, 0, {}), 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(Read(Map("C:\\S\\vlrna\\\xcc\xe8\xf0.txt", cyrillic)), "cyrillic");
  EXPECT_NE(std::find(ansi_names.begin(), ansi_names.end(), "C:\\S\\vlrna\\\xcc\xe8\xf0.txt"),
            ansi_names.end());
  // No letter of 1251 is an e-acute: the archive is refused before anything is written.
  EXPECT_EQ(zip.zOpenZipFile("D:\\setup.202"), 1);
  EXPECT_NE(zip.zGetLastErrorAsText().find("cannot be written in code page 1251"),
            std::string::npos)
      << zip.zGetLastErrorAsText();
  EXPECT_FALSE(fs::exists(root_ / "c/S/vlrna/first.txt"));
}

TEST_F(ArchiveZipTest, HostileEntriesRefuseTheWholeArchiveWritingNothing) {
  const char* kHostile[] = {"../escape.txt", "vlrna/../../escape.txt",        "/tmp/escape.txt",
                            "C:/escape.txt", "\\\\server\\share\\escape.txt", "x.txt:ads"};
  for (const char* name : kHostile) {
    Build("setup.203", Encrypted(ZipEncryption::kTraditional), [&](ZipBuilder& zip) {
      ASSERT_TRUE(zip.AddFile("vlrna/first.txt", "first"));
      ASSERT_TRUE(zip.AddFile(name, "escaped"));
    });
    std::set<std::string> before = Tree();
    ArchiveZip zip = MakeZip();
    ASSERT_EQ(zip.zOpenZipFile("D:\\setup.203"), 0) << name;
    EXPECT_EQ(zip.zExtractAll("C:\\Scenery\\vlrna\\..\\", "B57A1CF7", 1, 1, 0, {}), 1) << name;
    EXPECT_EQ(Tree(), before) << name;
    EXPECT_NE(zip.zGetLastErrorAsText().find("refused"), std::string::npos) << name;
  }
  Build("setup.204", Encrypted(ZipEncryption::kNone), [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddSymlink("vlrna/link", "/etc"));
    ASSERT_TRUE(zip.AddFile("vlrna/link/passwd", "owned"));
  });
  std::set<std::string> before = Tree();
  ArchiveZip zip = MakeZip();
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.204"), 0);
  EXPECT_EQ(zip.zExtractAll("C:\\", "", 1, 1, 0, {}), 1);
  EXPECT_EQ(Tree(), before);
  EXPECT_NE(zip.zGetLastErrorAsText().find("vlrna/link"), std::string::npos);
}

TEST_F(ArchiveZipTest, UnwritableFileFailsNamingIt) {
  fs::create_directories(root_ / "c/FSX/Effects/fx.txt");  // a folder where a file goes
  Build("setup.105", Encrypted(ZipEncryption::kTraditional),
        [](ZipBuilder& zip) { ASSERT_TRUE(zip.AddFile("Effects/fx.txt", "fx")); });
  ArchiveZip zip = MakeZip();
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.105"), 0);
  EXPECT_EQ(zip.zExtractAll("C:\\FSX\\", "B57A1CF7", 1, 1, 0, {}), 1);
  EXPECT_NE(zip.zGetLastErrorAsText().find("Cannot write C:\\FSX\\Effects\\fx.txt"),
            std::string::npos)
      << zip.zGetLastErrorAsText();
}

TEST_F(ArchiveZipTest, FailingProgressHandlerStopsTheWorkersAndPassesOn) {
  Build("setup.101", Encrypted(ZipEncryption::kTraditional), [&](ZipBuilder& zip) {
    for (int i = 0; i < 8; ++i) {
      ASSERT_TRUE(zip.AddFile("vlrna/f" + std::to_string(i), Pattern(2'000'000, i)));
    }
  });
  ArchiveZip zip = MakeZip(2);
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0);
  struct Ended {};
  EXPECT_THROW(zip.zExtractAll("C:\\", "B57A1CF7", 1, 1, 0, [] { throw Ended{}; }), Ended);
}

// Windows-1252, except that it runs out of memory on every thread but the
// one that made it: on the workers.
class FailingOnWorkers : public AnsiCodePage {
 public:
  uint32_t number() const override { return 1252; }
  std::string AnsiToUtf8(std::string_view ansi) const override {
    return Windows1252().AnsiToUtf8(ansi);
  }
  std::string Utf8ToAnsi(std::string_view utf8) const override {
    return Windows1252().Utf8ToAnsi(utf8);
  }
  std::optional<std::string> Utf8ToAnsiExactly(std::string_view utf8) const override {
    if (std::this_thread::get_id() != owner_) throw std::bad_alloc();
    return Windows1252().Utf8ToAnsiExactly(utf8);
  }

 private:
  const std::thread::id owner_ = std::this_thread::get_id();
};

TEST_F(ArchiveZipTest, ExceptionOnAWorkerIsTheArchivesError) {
  Build("setup.101", Encrypted(ZipEncryption::kNone), [](ZipBuilder& zip) {
    // Names flagged as UTF-8, which the workers convert.
    ASSERT_TRUE(zip.AddFile("vlrna/\xc3\xa4.txt", "a"));
    ASSERT_TRUE(zip.AddFile("vlrna/\xc3\xb6.txt", "b"));
  });
  FailingOnWorkers code_page;
  ArchiveZip zip({[this](const std::string& path) { return Map(path); }, code_page, 2});
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(zip.zExtractAll("C:\\", "", 1, 1, 0, {}), 1);
  EXPECT_NE(zip.zGetLastErrorAsText().find("Cannot unpack archive D:\\setup.101"),
            std::string::npos)
      << zip.zGetLastErrorAsText();
}

}  // namespace
}  // namespace vlrna

namespace vlrna {
namespace {

TEST_F(ArchiveZipTest, ListsWhatLandsBelowTheDestinationWithWindowsNames) {
  Build("setup.105", Encrypted(ZipEncryption::kNone), [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFolder("Effects/"));
    ASSERT_TRUE(zip.AddFile("Effects/fx_vlrna.fx", "12345"));
    ASSERT_TRUE(zip.AddFile("./Autogen//default.xml", "ab"));
  });
  ArchiveZip zip = MakeZip();
  std::vector<ZipEntryInfo> entries = {{"stale", 1, false}};
  EXPECT_EQ(zip.zListEntries(entries), 1);  // nothing open
  EXPECT_TRUE(entries.empty());
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.105"), 0) << zip.zGetLastErrorAsText();
  ASSERT_EQ(zip.zListEntries(entries), 0);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "Effects");
  EXPECT_TRUE(entries[0].folder);
  EXPECT_EQ(entries[1].name, "Effects\\fx_vlrna.fx");
  EXPECT_EQ(entries[1].size, 5u);
  EXPECT_FALSE(entries[1].folder);
  EXPECT_EQ(entries[2].name, "Autogen\\default.xml");
}

}  // namespace
}  // namespace vlrna
