// Archives built to harm: each is refused with the archive and the entry
// named, and nothing is written outside the destination or beyond what the
// entries declare.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "platform/archive/archive_zip.h"
#include "platform/archive/peak_memory.h"
#include "platform/archive/scratch_folder.h"
#include "platform/archive/zip_builder.h"
#include "platform/ascii_case.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

constexpr char kPassword[] = "B57A1CF7";

// Replaces every `from` in the archive's bytes with `to`, of the same length.
void Replace(std::string& zip, const std::string& from, const std::string& to) {
  for (size_t at = zip.find(from); at != std::string::npos; at = zip.find(from, at + 1)) {
    zip.replace(at, from.size(), to);
  }
}

struct HostileCase {
  const char* what;
  ZipEncryption encryption;
  bool deflate;
  std::function<void(ZipBuilder&)> fill;
  std::function<void(std::string&)> tamper;
  std::string entry;        // as the message must name it
  std::string why;          // what the message must say besides
  uint64_t most_bytes_out;  // the largest file the destination may get
  std::string password = kPassword;
};

class HostileZipTest : public ::testing::Test {
 protected:
  HostileZipTest() : scratch_("hostile"), root_(scratch_.path()) {
    fs::create_directories(root_ / "c/Dest");
    fs::create_directories(root_ / "d");
  }

  std::string Map(const std::string& windows) const {
    if (windows.size() < 2 || windows[1] != ':') return "";
    return scratch_.Native(std::string(1, AsciiLower(windows[0])) + windows.substr(2),
                           Windows1252());
  }

  std::string Make(const HostileCase& item) {
    std::string path = (root_ / "d/setup.301").string();
    ZipBuilder builder;
    ZipBuilder::Options options;
    options.encryption = item.encryption;
    options.password = kPassword;
    options.deflate = item.deflate;
    EXPECT_TRUE(builder.Open(path, options)) << builder.error();
    item.fill(builder);
    EXPECT_TRUE(builder.Close()) << builder.error();
    std::ifstream in(path, std::ios::binary);
    std::string zip(std::istreambuf_iterator<char>(in), {});
    in.close();
    item.tamper(zip);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << zip;
    return path;
  }

  // Opens and unpacks the archive; the error, "" on success.
  std::string Unpack(const std::string& password) {
    ArchiveZip zip({[this](const std::string& path) { return Map(path); }, Windows1252(), 2});
    if (zip.zOpenZipFile("D:\\setup.301") != 0) return zip.zGetLastErrorAsText();
    if (zip.zExtractAll("C:\\Dest\\", password, 1, 1, 0, {}) != 0) {
      return zip.zGetLastErrorAsText();
    }
    return "";
  }

  std::set<std::string> Outside() const {
    std::set<std::string> paths;
    for (const auto& item : fs::recursive_directory_iterator(root_)) {
      std::string path = item.path().string();
      if (!path.starts_with((root_ / "c" / "Dest").string())) paths.insert(path);
    }
    return paths;
  }

  // The largest file in the destination, and how many files there are
  // under a temporary name, which no run may leave behind.
  std::pair<uint64_t, int> FilesOut() const {
    std::pair<uint64_t, int> out{0, 0};
    for (const auto& item : fs::recursive_directory_iterator(root_ / "c/Dest")) {
      if (item.is_regular_file()) out.first = std::max<uint64_t>(out.first, item.file_size());
      out.second += item.path().filename().string().find(".vlrna-") != std::string::npos;
    }
    return out;
  }

  ScratchFolder scratch_;
  fs::path root_;
};

std::string Pattern(size_t size) {
  std::string text(size, '\0');
  uint32_t x = 12345;
  for (char& c : text) {
    x = x * 1103515245u + 12345u;
    c = static_cast<char>(x >> 24);
  }
  return text;
}

void Files(ZipBuilder& zip, const std::vector<std::pair<std::string, std::string>>& files) {
  for (const auto& [name, content] : files) ASSERT_TRUE(zip.AddFile(name, content));
}

std::vector<HostileCase> HostileCases() {
  auto nothing = [](std::string&) {};
  auto bomb = [](ZipBuilder& zip) {
    Files(zip, {{"vlrna/a.txt", "a"}, {"vlrna/bomb.bgl", std::string(4 << 20, '\0')}});
  };
  auto declare_1024 = [](std::string& zip) {
    ASSERT_TRUE(DeclareZipEntrySize(zip, "vlrna/bomb.bgl", 1024));
  };
  auto tile = [](ZipBuilder& zip) { Files(zip, {{"vlrna/tile.bgl", Pattern(200'000)}}); };
  auto flip = [](std::string& zip) { zip[100'000] ^= 0x20; };
  std::string deep;
  for (int i = 0; i < 17000; ++i) deep += "a/";
  std::vector<HostileCase> cases;
  for (ZipEncryption encryption :
       {ZipEncryption::kNone, ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    for (bool deflate : {true, false}) {
      cases.push_back({"entry longer than it declares", encryption, deflate, bomb, declare_1024,
                       "vlrna/bomb.bgl", "more than the 1024 bytes it declares", 1024});
    }
    cases.push_back(
        {"flipped byte", encryption, true, tile, flip, "vlrna/tile.bgl", "Damaged data", 0});
  }
  for (ZipEncryption encryption : {ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    cases.push_back(
        {"wrong password", encryption, true, tile, nothing, "vlrna/tile.bgl", "", 0, "D841DA1B"});
  }
  cases.push_back({"NUL inside a name", ZipEncryption::kNone, true,
                   [](ZipBuilder& zip) {
                     Files(zip, {{"vlrna/abcQ../../x.txt", "x"}});
                   },
                   [](std::string& zip) { Replace(zip, "abcQ", std::string("abc\0", 4)); },
                   "vlrna/abc\\x00../../x.txt", "NUL", 0});
  cases.push_back({"name flagged as UTF-8 that is not", ZipEncryption::kNone, true,
                   [](ZipBuilder& zip) {
                     Files(zip, {{"vlrna/caf\xc3\xa9.txt", "x"}});
                   },
                   [](std::string& zip) { Replace(zip, "caf\xc3\xa9", "caf\xff\xfe"); },
                   "vlrna/caf\\xff\\xfe.txt", "not UTF-8", 0});
  cases.push_back(
      {"two directory entries on one local header", ZipEncryption::kNone, true,
       [](ZipBuilder& zip) {
         Files(zip, {{"vlrna/a.txt", "a"}, {"vlrna/b.txt", "b"}});
       },
       [](std::string& zip) { ASSERT_TRUE(PointZipEntryAt(zip, "vlrna/b.txt", "vlrna/a.txt")); },
       "vlrna/b.txt", "shares its data", 0});
  cases.push_back({"name deeper than Windows holds", ZipEncryption::kNone, true,
                   [deep](ZipBuilder& zip) {
                     Files(zip, {{deep + "x.txt", "x"}});
                   },
                   nothing, "a/a/a/a/", "longer than the 32,767 characters Windows allows", 0});
  cases.push_back({"name part longer than Windows holds", ZipEncryption::kNone, true,
                   [](ZipBuilder& zip) {
                     Files(zip, {{"vlrna/ok.txt", "x"}, {"vlrna/" + std::string(300, 'n'), "x"}});
                   },
                   nothing, "vlrna/nnnn", "255 characters Windows allows in one name", 0});
  return cases;
}

TEST_F(HostileZipTest, EveryOneIsRefusedNamingArchiveAndEntryWithinBounds) {
  for (const HostileCase& item : HostileCases()) {
    SCOPED_TRACE(item.what);
    fs::remove_all(root_ / "c/Dest");
    fs::create_directories(root_ / "c/Dest");
    Make(item);
    std::set<std::string> outside = Outside();
    const long peak = PeakMemoryKiB();
    std::string error = Unpack(item.password);
    // A few buffers per worker; the high-water mark only grows.
    EXPECT_LT(PeakMemoryKiB() - peak, 64 << 10);
    EXPECT_NE(error.find("D:\\setup.301"), std::string::npos) << error;
    EXPECT_NE(error.find(item.entry), std::string::npos) << error;
    EXPECT_NE(error.find(item.why), std::string::npos) << error;
    EXPECT_EQ(Outside(), outside);
    auto [largest, temporary] = FilesOut();
    EXPECT_LE(largest, item.most_bytes_out);
    EXPECT_EQ(temporary, 0);
    EXPECT_FALSE(fs::exists(root_ / "c/Dest" / item.entry));
  }
}

}  // namespace
}  // namespace vlrna
