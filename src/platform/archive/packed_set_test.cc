// The archive set as the packing tool writes it with AES: each archive
// unpacks with the password the wizard derives for it. The Windows build
// reads what the Linux build's tool wrote, so OpenSSL and CNG answer for
// each other here.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/archive/archive_zip.h"
#include "platform/archive/scratch_folder.h"
#include "platform/single_byte_code_page.h"
#include "shell/archive_keys.h"

namespace vlrna {
namespace {

// What the set's script writes into vlrna/<archive>.txt.
std::string Expected(std::string_view archive) {
  std::string text;
  for (int n = 0; n < 3000; ++n) {
    text += "Veltrona " + std::string(archive) + " " + std::to_string(n) + "\r\n";
  }
  return text;
}

TEST(PackedSetTest, EveryArchiveOfThePackingToolUnpacksWithItsPassword) {
  ScratchFolder scratch("packed");
  // D:\ is the packed set, C:\ the scratch folder.
  auto map = [&](const std::string& path) -> std::string {
    if (path.rfind("D:\\", 0) == 0) return VLRNA_PACKED_SET "/" + path.substr(3);
    if (path.rfind("C:\\", 0) == 0) return scratch.Native(path.substr(3), Windows1252());
    return "";
  };
  ArchiveZip zip({map, Windows1252(), 2});
  for (const ArchiveKeyUse& use : kArchiveKeyUses) {
    const std::string archive(use.archive);
    SCOPED_TRACE(archive);
    ASSERT_EQ(zip.zOpenZipFile("D:\\" + archive), 0) << zip.zGetLastErrorAsText();
    const std::string expected = Expected(archive);
    EXPECT_EQ(zip.zGetTotalBytes(), expected.size());
    const std::string password = ArchivePassword(kArchiveGuids[use.key - 1]);
    ASSERT_EQ(zip.zExtractAll("C:\\", password, 1, 1, 0, {}), 0) << zip.zGetLastErrorAsText();
    std::ifstream in(scratch.path() / "vlrna" / (archive + ".txt"), std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == expected);
    // Another archive's password is refused, never taken for damage.
    const std::string other = ArchivePassword(kArchiveGuids[use.key % 9]);
    EXPECT_EQ(zip.zExtractAll("C:\\", other, 1, 1, 0, {}), 1);
    EXPECT_NE(zip.zGetLastErrorAsText().find("Wrong password"), std::string::npos)
        << zip.zGetLastErrorAsText();
    zip.zCloseZipFile();
  }
}

}  // namespace
}  // namespace vlrna
