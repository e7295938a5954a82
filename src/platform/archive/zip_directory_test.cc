#include "platform/archive/zip_directory.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "platform/archive/scratch_folder.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

// Writes `zip` to a scratch file and reads its directory back.
std::optional<std::vector<ZipDirectoryEntry>> DirectoryOf(const std::string& zip) {
  ScratchFolder scratch("dir");
  fs::path path = scratch.path() / "test.zip";
  std::ofstream(path, std::ios::binary) << zip;
  NativeFile file;
  EXPECT_TRUE(file.Open(path.string()));
  return ReadZipDirectory(file);
}

// Two entries, the second first in the directory; "big.bin" claims 5 GiB and
// sits 4 GiB + 16 into the file through the Zip64 extra field.
std::string TwoEntryZip(uint64_t big_offset = (4ull << 30) + 16) {
  std::string zip;
  auto put = [&zip](uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) zip += static_cast<char>(value >> (8 * i));
  };
  auto central = [&](const std::string& name, uint32_t size, uint32_t offset, bool zip64) {
    put(0x02014b50, 4), put(0x032d, 2), put(45, 2), put(9, 2), put(8, 2), put(0x1234, 2);
    put(0, 2), put(0xcafe, 4), put(size, 4), put(size, 4), put(name.size(), 2);
    put(zip64 ? 28 : 0, 2), put(0, 2), put(0, 2), put(0, 2), put(0, 4), put(offset, 4);
    zip += name;
    if (zip64) put(0x0001, 2), put(24, 2), put(5ull << 30, 8), put(3ull << 30, 8);
    if (zip64) put(big_offset, 8);
  };
  zip = std::string(100, 'x');
  uint64_t start = zip.size();
  central("big.bin", 0xffffffff, 0xffffffff, true);
  central("small.txt", 7, 30, false);
  uint64_t bytes = zip.size() - start;
  put(0x06054b50, 4), put(0, 2), put(0, 2), put(2, 2), put(2, 2), put(bytes, 4);
  put(start, 4), put(0, 2);
  return zip;
}

TEST(ZipDirectoryTest, ReadsZip64FiguresAndOrdersByOffset) {
  auto directory = DirectoryOf(TwoEntryZip());
  ASSERT_TRUE(directory.has_value());
  ASSERT_EQ(directory->size(), 2u);
  const ZipDirectoryEntry& small = (*directory)[0];
  EXPECT_EQ(small.name, "small.txt");
  EXPECT_EQ(small.local_header_offset, 30u);
  const ZipDirectoryEntry& big = (*directory)[1];
  EXPECT_EQ(big.name, "big.bin");
  EXPECT_EQ(big.size, 5ull << 30);
  EXPECT_EQ(big.packed_size, 3ull << 30);
  EXPECT_EQ(big.local_header_offset, (4ull << 30) + 16);
  EXPECT_EQ(big.flags, 9u);
  EXPECT_EQ(big.method, 8u);
  EXPECT_EQ(big.dos_time, 0x1234u);
  EXPECT_EQ(big.crc, 0xcafeu);
}

TEST(ZipDirectoryTest, RefusesWhatItCannotMatchSafely) {
  std::string zip = TwoEntryZip();
  EXPECT_FALSE(DirectoryOf(zip.substr(0, zip.size() - 10)).has_value());  // no end record
  std::string miscounted = zip;
  miscounted[miscounted.size() - 12] = 1;  // one entry claimed, two stored
  EXPECT_FALSE(DirectoryOf(miscounted).has_value());
  // Two entries sharing a 4 GiB offset: one of them libarchive never shows.
  auto shared = TwoEntryZip(30);
  EXPECT_FALSE(DirectoryOf(shared).has_value());
  EXPECT_FALSE(DirectoryOf("PK").has_value());
}

// A directory of one entry with `flags` and the extra field `extra`.
std::string OneEntryZip(const std::string& name, uint16_t flags, const std::string& extra) {
  std::string zip;
  auto put = [&zip](uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) zip += static_cast<char>(value >> (8 * i));
  };
  put(0x02014b50, 4), put(20, 2), put(20, 2), put(flags, 2), put(0, 2), put(0, 2), put(0, 2);
  put(0, 4), put(0, 4), put(0, 4), put(name.size(), 2), put(extra.size(), 2), put(0, 2);
  put(0, 2), put(0, 2), put(0, 4), put(0, 4);
  zip += name + extra;
  const size_t bytes = zip.size();
  put(0x06054b50, 4), put(0, 2), put(0, 2), put(1, 2), put(1, 2), put(bytes, 4), put(0, 4);
  put(0, 2);
  return zip;
}

// An Info-ZIP Unicode Path field for the stored name `stored`, or for one
// whose CRC is off by one when `stale`.
std::string UnicodePath(const std::string& stored, const std::string& utf8, bool stale) {
  uint32_t crc = static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(stored.data()), static_cast<uInt>(stored.size())));
  crc += stale ? 1 : 0;
  std::string field = {'\x75', '\x70', static_cast<char>(5 + utf8.size()), '\0', '\1'};
  for (int i = 0; i < 4; ++i) field += static_cast<char>(crc >> (8 * i));
  return field + utf8;
}

TEST(ZipDirectoryTest, NamesComeInTheCodePageFromTheirFlagOrUnicodeField) {
  constexpr uint16_t kUtf8 = 1 << 11;
  struct Case {
    const char* what;
    std::string stored;
    uint16_t flags;
    std::string extra;
    std::optional<std::string> name;  // in Windows-1252
  };
  const Case cases[] = {
      {"unflagged, taken as it is", "caf\xe9.txt", 0, "", "caf\xe9.txt"},
      {"flagged UTF-8", "caf\xc3\xa9.txt", kUtf8, "", "caf\xe9.txt"},
      {"flagged but not UTF-8", "caf\xff.txt", kUtf8, "", std::nullopt},
      {"a letter 1252 lacks", "\xd0\x9c.txt", kUtf8, "", std::nullopt},
      {"Unicode field", "cafe.txt", 0, UnicodePath("cafe.txt", "caf\xc3\xa9.txt", false),
       "caf\xe9.txt"},
      {"stale Unicode field", "cafe.txt", 0, UnicodePath("cafe.txt", "caf\xc3\xa9.txt", true),
       "cafe.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto directory = DirectoryOf(OneEntryZip(c.stored, c.flags, c.extra));
    ASSERT_TRUE(directory.has_value());
    ASSERT_EQ(directory->size(), 1u);
    EXPECT_EQ((*directory)[0].name, c.stored);
    EXPECT_EQ(NameInCodePage((*directory)[0], Windows1252()), c.name);
  }
}

}  // namespace
}  // namespace vlrna
