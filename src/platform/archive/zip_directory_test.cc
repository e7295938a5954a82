#include "platform/archive/zip_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/archive/scratch_folder.h"

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

}  // namespace
}  // namespace vlrna
