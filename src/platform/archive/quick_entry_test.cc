#include "platform/archive/quick_entry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/archive/scratch_folder.h"
#include "platform/archive/zip_builder.h"
#include "platform/archive/zip_bytes.h"
#include "platform/archive/zip_reader.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

constexpr char kPassword[] = "B57A1CF7";

class QuickEntryTest : public ::testing::Test {
 protected:
  QuickEntryTest() : scratch_("trad"), root_(scratch_.path()) {
    zip_ = (root_ / "setup.101").string();
  }

  void Build(ZipEncryption encryption, bool deflate,
             const std::vector<std::pair<std::string, std::string>>& files) {
    ZipBuilder builder;
    ZipBuilder::Options options;
    options.encryption = encryption;
    options.password = kPassword;
    options.deflate = deflate;
    ASSERT_TRUE(builder.Open(zip_, options)) << builder.error();
    ASSERT_TRUE(builder.AddFolder("Scenery/")) << builder.error();
    for (const auto& [name, content] : files) ASSERT_TRUE(builder.AddFile(name, content));
    ASSERT_TRUE(builder.Close()) << builder.error();
  }

  // Every file entry as libarchive unpacks it, by index.
  std::map<size_t, std::pair<std::string, std::string>> ReadWithLibarchive() {
    std::map<size_t, std::pair<std::string, std::string>> files;
    ZipReader reader(zip_, Windows1252());
    EXPECT_TRUE(reader.Open(kPassword)) << reader.error();
    ZipEntry entry;
    for (size_t index = 0; reader.Next(entry) == ZipReader::kEntry; ++index) {
      if (entry.kind != ZipEntry::kFile) continue;
      std::string data;
      const void* block;
      size_t size;
      int64_t offset;
      while (reader.ReadBlock(block, size, offset) == ZipReader::kEntry) {
        data.resize(static_cast<size_t>(offset));
        data.append(static_cast<const char*>(block), size);
      }
      files[index] = {entry.name, data};
    }
    return files;
  }

  // Unpacks entry `index` the quick way into a file and returns its bytes.
  QuickResult ReadFast(size_t index, uint64_t size, const std::string& name, std::string& data,
                       const std::string& password = kPassword) {
    QuickEntryReader fast(zip_);
    const ZipDirectoryEntry* raw = fast.Find(index, size, name);
    if (raw == nullptr) return QuickResult::kDeclined;
    std::string out = (root_ / "out.bin").string();
    OutputFile output;
    WriteFailure failure;
    EXPECT_TRUE(output.Create(out, failure));
    uint64_t heard = 0;
    auto result =
        fast.Extract(*raw, password, output, [&heard](size_t n) { return heard += n, true; });
    EXPECT_TRUE(output.Finish(false, 0, 0, failure));
    data = Contents(out);
    if (result == QuickResult::kDone) {
      EXPECT_EQ(heard, data.size());
    }
    return result;
  }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  void FlipByte(uint64_t at) {
    std::fstream file(zip_, std::ios::in | std::ios::out | std::ios::binary);
    file.seekg(static_cast<std::streamoff>(at));
    char byte = 0;
    file.read(&byte, 1);
    file.seekp(static_cast<std::streamoff>(at));
    byte = static_cast<char>(byte ^ 0x20);
    file.write(&byte, 1);
  }

  ScratchFolder scratch_;
  fs::path root_;
  std::string zip_;
};

std::string Noise(size_t size, uint32_t seed) {
  std::string text(size, '\0');
  for (char& c : text) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 24);
  }
  return text;
}

// Text that deflates to a fraction, so inflate holds back output between calls.
std::string Repetitive(size_t size) {
  std::string text;
  for (size_t line = 0; text.size() < size; ++line) {
    text += "tile " + std::to_string(line % 97) + " elevation 0000\r\n";
  }
  return text.substr(0, size);
}

TEST_F(QuickEntryTest, StoredAndDeflatedMatchLibarchiveByteForByte) {
  std::vector<std::pair<std::string, std::string>> files = {
      {"Scenery/empty.bgl", ""},
      {"Scenery/small.txt", "N47 E008\r\n"},
      {"Scenery/big.bgl", Noise(5 << 20, 7)},
      {"Scenery/terrain.txt", Repetitive(3 << 20)},
  };
  for (ZipEncryption encryption :
       {ZipEncryption::kTraditional, ZipEncryption::kAes128, ZipEncryption::kAes256}) {
    for (bool deflate : {false, true}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(encryption)) +
                   (deflate ? " deflated" : " stored"));
      Build(encryption, deflate, files);
      auto unpacked = ReadWithLibarchive();
      ASSERT_EQ(unpacked.size(), files.size());
      size_t n = 0;
      for (const auto& [index, file] : unpacked) {
        EXPECT_EQ(file.first, files[n].first);
        ASSERT_EQ(file.second, files[n++].second) << file.first;
        std::string data;
        auto result = ReadFast(index, file.second.size(), file.first, data);
        // The writer stores an empty file unencrypted; libarchive keeps it.
        if (file.second.empty() && result == QuickResult::kDeclined) continue;
        ASSERT_EQ(result, QuickResult::kDone) << file.first;
        EXPECT_TRUE(data == file.second) << file.first;
      }
    }
  }
}

TEST_F(QuickEntryTest, WrongPasswordAndFlippedBytesAreRefused) {
  for (ZipEncryption encryption : {ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    for (bool deflate : {false, true}) {
      SCOPED_TRACE(std::string(encryption == ZipEncryption::kAes256 ? "AES " : "traditional ") +
                   (deflate ? "deflated" : "stored"));
      Build(encryption, deflate, {{"Scenery/tile.bgl", Noise(300000, 3)}});
      // The header of traditional encryption lets one wrong password in 256
      // through (AES: one in 65536), to fail later as damaged data. Of three,
      // one at least is caught up front, with nothing written.
      std::string data;
      int caught = 0;
      for (const char* wrong : {"B57A1CF8", "B57A1CF9", "B57A1CFA"}) {
        QuickResult result = ReadFast(1, 300000, "Scenery/tile.bgl", data, wrong);
        if (result == QuickResult::kWrongPassword) {
          ++caught;
          EXPECT_TRUE(data.empty());
        } else {
          EXPECT_EQ(result, QuickResult::kDamaged);
        }
      }
      EXPECT_GE(caught, 1);
      FlipByte(200000);
      EXPECT_EQ(ReadFast(1, 300000, "Scenery/tile.bgl", data), QuickResult::kDamaged);
    }
  }
}

TEST_F(QuickEntryTest, AnAlteredAuthenticationCodeIsRefused) {
  // The data decrypts and inflates cleanly; only the code can tell.
  Build(ZipEncryption::kAes256, false, {{"Scenery/tile.bgl", Noise(1000, 5)}});
  uint64_t code_at = 0;
  {
    QuickEntryReader fast(zip_);
    const ZipDirectoryEntry* raw = fast.Find(1, 1000, "Scenery/tile.bgl");
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->aes_strength, 3);
    std::ifstream in(zip_, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const auto* local =
        reinterpret_cast<const unsigned char*>(bytes.data()) + raw->local_header_offset;
    // After the local header: salt, verifier, data, then the ten-byte code.
    code_at = raw->local_header_offset + 30 + (local[26] | local[27] << 8) +
              (local[28] | local[29] << 8) + raw->packed_size - 10;
  }
  std::string data;
  ASSERT_EQ(ReadFast(1, 1000, "Scenery/tile.bgl", data), QuickResult::kDone);
  FlipByte(code_at + 9);
  EXPECT_EQ(ReadFast(1, 1000, "Scenery/tile.bgl", data), QuickResult::kDamaged);
}

TEST_F(QuickEntryTest, TwoEntriesSideBySideComeOutWholeAndFailAlone) {
  // A long entry beside a short one: the short one ends first.
  std::string long_one = Noise(3 << 20, 11), short_one = Repetitive(200000);
  for (bool deflate : {false, true}) {
    SCOPED_TRACE(deflate ? "deflated" : "stored");
    Build(ZipEncryption::kTraditional, deflate,
          {{"Scenery/a.bgl", long_one}, {"Scenery/b.txt", short_one}});
    for (bool damaged : {false, true}) {
      QuickEntryReader fast(zip_);
      const ZipDirectoryEntry* a = fast.Find(1, long_one.size(), "Scenery/a.bgl");
      const ZipDirectoryEntry* b = fast.Find(2, short_one.size(), "Scenery/b.txt");
      ASSERT_TRUE(a && b);
      if (damaged) FlipByte(b->local_header_offset + 100 + b->packed_size / 2);
      std::string a_path = (root_ / "a.bgl").string(), b_path = (root_ / "b.txt").string();
      OutputFile a_out, b_out;
      WriteFailure failure;
      ASSERT_TRUE(a_out.Create(a_path, failure) && b_out.Create(b_path, failure));
      ASSERT_EQ(fast.Prepare(0, *a, kPassword, a_out), QuickResult::kDone);
      ASSERT_EQ(fast.Prepare(1, *b, kPassword, b_out), QuickResult::kDone);
      ASSERT_TRUE(fast.Pairable());
      // A block of each while both last, then the longer one alone.
      uint64_t heard = 0;
      auto count = [&heard](size_t n) { return heard += n, true; };
      std::pair<int, QuickResult> failed = {-1, QuickResult::kDone};
      while (!fast.Unpacked(0) && !fast.Unpacked(1) && failed.first < 0) {
        failed = fast.AdvanceBoth(count);
      }
      QuickResult results[2];
      for (int slot : {0, 1}) {
        QuickResult& result = results[slot];
        result = failed.first == slot ? failed.second : QuickResult::kDone;
        while (failed.first < 0 && result == QuickResult::kDone && !fast.Unpacked(slot)) {
          result = fast.Advance(slot, count);
        }
        if (failed.first < 0 && result == QuickResult::kDone) result = fast.Finish(slot);
      }
      EXPECT_TRUE(a_out.Finish(false, 0, 0, failure) && b_out.Finish(false, 0, 0, failure));
      if (damaged) {
        EXPECT_EQ(results[1], QuickResult::kDamaged);
        EXPECT_NE(results[0], QuickResult::kDamaged);
        continue;
      }
      EXPECT_EQ(results[0], QuickResult::kDone);
      EXPECT_EQ(results[1], QuickResult::kDone);
      EXPECT_TRUE(Contents(a_path) == long_one);
      EXPECT_TRUE(Contents(b_path) == short_one);
      EXPECT_EQ(heard, long_one.size() + short_one.size());
    }
  }
}

TEST_F(QuickEntryTest, OtherEntriesAreLeftToLibarchive) {
  Build(ZipEncryption::kNone, true, {{"Scenery/tile.bgl", Noise(1000, 1)}});
  std::string data;
  EXPECT_EQ(ReadFast(1, 1000, "Scenery/tile.bgl", data), QuickResult::kDeclined);
  for (ZipEncryption encryption : {ZipEncryption::kTraditional, ZipEncryption::kAes256}) {
    Build(encryption, true, {{"Scenery/tile.bgl", Noise(1000, 1)}});
    EXPECT_EQ(ReadFast(1, 999, "Scenery/tile.bgl", data),
              QuickResult::kDeclined);                                    // sizes disagree
    EXPECT_EQ(ReadFast(0, 0, "Scenery/", data), QuickResult::kDeclined);  // the folder
    // Another entry than libarchive meant.
    EXPECT_EQ(ReadFast(1, 1000, "Scenery/tile.BGL", data), QuickResult::kDeclined);
    EXPECT_EQ(ReadFast(1, 1000, "Scenery/tile.bgl", data), QuickResult::kDone);
  }
}

}  // namespace
}  // namespace vlrna
