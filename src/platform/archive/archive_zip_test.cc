#include "platform/archive/archive_zip.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "platform/archive/zip_builder.h"
#include "platform/fake/fake_code_page.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

// A scratch machine: Windows drive X: is the folder root/x.
class ArchiveZipTest : public ::testing::Test {
 protected:
  ArchiveZipTest() {
    std::string pattern = (fs::temp_directory_path() / "vlrna_zip_XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    fs::create_directories(root_ / "c");
    fs::create_directories(root_ / "d");
  }
  ~ArchiveZipTest() override { fs::remove_all(root_); }

  std::string Map(const std::string& windows, const AnsiCodePage& code_page = Windows1252()) const {
    if (windows.size() < 2 || windows[1] != ':') return "";
    std::string rest = windows.substr(2);
    for (char& c : rest) c = c == '\\' ? '/' : c;
    char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windows[0])));
    return (root_ / std::string(1, drive)).string() + code_page.AnsiToUtf8(rest);
  }

  ArchiveZip MakeZip(int workers = 2) {
    return ArchiveZip(
        {[this](const std::string& path) { return Map(path); }, Windows1252(), workers});
  }

  // Makes D:\<name> with `fill` adding the entries.
  void Build(const std::string& name, ZipBuilder::Options options,
             const std::function<void(ZipBuilder&)>& fill) {
    ZipBuilder builder;
    ASSERT_TRUE(builder.Open(Map("D:\\" + name), options)) << builder.error();
    fill(builder);
    ASSERT_TRUE(builder.Close()) << builder.error();
  }

  std::string Read(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Every path below the scratch root, for "nothing was written" checks.
  std::set<std::string> Tree() const {
    std::set<std::string> paths;
    for (const auto& item : fs::recursive_directory_iterator(root_)) {
      paths.insert(item.path().string());
    }
    return paths;
  }

  fs::path root_;
};

ZipBuilder::Options Encrypted(ZipEncryption encryption, std::string password = "B57A1CF7") {
  ZipBuilder::Options options;
  options.encryption = encryption;
  options.password = std::move(password);
  return options;
}

std::string Pattern(size_t size, unsigned seed) {
  std::string text(size, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (char& c : text) {
    x = x * 1103515245u + 12345u;
    c = static_cast<char>(x >> 24);
  }
  return text;
}

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
  struct stat info;
  ASSERT_EQ(stat((out / "dem/n47e008.bgl").c_str(), &info), 0);
  EXPECT_EQ(info.st_mtime, 1'500'000'000);

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
  ZipBuilder::Options unflagged = Encrypted(ZipEncryption::kNone);
  unflagged.name_code_page = "CP1252";
  Build("setup.201", unflagged, [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/Z\xc3\xbcrich/caf\xc3\xa9.txt", "1252"));
  });
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
  EXPECT_EQ(Read(root_ / "c/S/vlrna/Z\xc3\xbcrich/caf\xc3\xa9.txt"), "1252");
  EXPECT_EQ(Read(root_ / "c/S/vlrna/M\xc3\xbcnchen/\xe2\x82\xac.txt"), "utf8");
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
  EXPECT_EQ(Read(root_ / "c/S/vlrna/\xd0\x9c\xd0\xb8\xd1\x80.txt"), "cyrillic");
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

TEST_F(ArchiveZipTest, FullDiskFailsNamingFileArchiveAndEntry) {
  Build("setup.202", Encrypted(ZipEncryption::kTraditional), [](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/ortho/tile.bgl", Pattern(100000, 6)));
  });
  // The device that is always full stands in for the tile's file.
  ArchiveZip zip({[this](const std::string& path) {
                    return path == "C:\\S\\vlrna\\ortho\\tile.bgl" ? "/dev/full" : Map(path);
                  },
                  Windows1252(), 2});
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.202"), 0);
  EXPECT_EQ(zip.zExtractAll("C:\\S\\", "B57A1CF7", 1, 1, 0, {}), 1);
  EXPECT_EQ(zip.zGetLastErrorAsText(),
            "Disk full: cannot write C:\\S\\vlrna\\ortho\\tile.bgl (No space left on device) for "
            "archive D:\\setup.202, entry vlrna/ortho/tile.bgl");
}

// Worker one blocks on a named pipe until worker two's file is complete; one
// thread doing both in turn would never get there.
TEST_F(ArchiveZipTest, WorkersRunConcurrently) {
  const std::string second = Pattern(500'000, 5);
  Build("setup.101", Encrypted(ZipEncryption::kTraditional), [&](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/pipe", std::string(600'000, 'p')));
    ASSERT_TRUE(zip.AddFile("vlrna/second.bgl", second));
  });
  fs::create_directories(root_ / "c/S/vlrna");
  fs::path pipe = root_ / "c/S/vlrna/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  int reader = -1;
  bool second_first = false;
  auto start = std::chrono::steady_clock::now();
  ArchiveZip zip = MakeZip(2);
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0);
  int32_t result = zip.zExtractAll("C:\\S\\", "B57A1CF7", 1, 1, 0, [&] {
    fs::path done = root_ / "c/S/vlrna/second.bgl";
    std::error_code ignored;
    bool complete = fs::file_size(done, ignored) == second.size();
    bool late = std::chrono::steady_clock::now() - start > std::chrono::seconds(20);
    if (reader < 0 && (complete || late)) {
      second_first = complete;
      reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    }
    char sink[65536];
    while (reader >= 0 && read(reader, sink, sizeof sink) > 0) {
    }
  });
  if (reader >= 0) close(reader);
  EXPECT_EQ(result, 0) << zip.zGetLastErrorAsText();
  EXPECT_TRUE(second_first);
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
    ASSERT_TRUE(zip.AddFile("vlrna/a.txt", "a"));
    ASSERT_TRUE(zip.AddFile("vlrna/b.txt", "b"));
  });
  FailingOnWorkers code_page;
  ArchiveZip zip({[this](const std::string& path) { return Map(path); }, code_page, 2});
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(zip.zExtractAll("C:\\", "", 1, 1, 0, {}), 1);
  EXPECT_NE(zip.zGetLastErrorAsText().find("Cannot unpack archive D:\\setup.101"),
            std::string::npos)
      << zip.zGetLastErrorAsText();
}

// The worker writing into a named pipe waits until the progress handler
// reads it, so the handler surely runs while the extraction does.
TEST_F(ArchiveZipTest, ArchiveIsNeitherClosedNorReplacedWhileUnpacked) {
  Build("setup.101", Encrypted(ZipEncryption::kNone), [&](ZipBuilder& zip) {
    ASSERT_TRUE(zip.AddFile("vlrna/pipe", std::string(300'000, 'p')));
  });
  fs::create_directories(root_ / "c/S/vlrna");
  fs::path pipe = root_ / "c/S/vlrna/pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  ArchiveZip zip = MakeZip(2);
  ASSERT_EQ(zip.zOpenZipFile("D:\\setup.101"), 0);
  int reader = -1;
  std::vector<int32_t> results;
  int32_t result = zip.zExtractAll("C:\\S\\", "", 1, 1, 0, [&] {
    if (reader < 0) {
      results = {zip.zCloseZipFile(), zip.zOpenZipFile("D:\\setup.101")};
      reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    }
    char sink[65536];
    while (reader >= 0 && read(reader, sink, sizeof sink) > 0) {
    }
  });
  if (reader >= 0) close(reader);
  EXPECT_EQ(result, 0) << zip.zGetLastErrorAsText();
  EXPECT_EQ(results, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(zip.zGetTotalBytes(), 300'000u);  // still open
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
