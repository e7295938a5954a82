#include "simconfig/autogen_patch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/fake/fake_platform.h"
#include "platform/fake/fault_injecting_files.h"
#include "platform/runtime_error.h"
#include "shell/install_log.h"
#include "simconfig/autogen_scan.h"
#include "simconfig/autogen_test_files.h"

namespace vlrna {
namespace {

const char kSpb[] = "C:\\FSX\\Autogen\\AutogenDescriptions.spb";
const char kLog[] = "C:\\Users\\pilot\\VLRNA_2612051007.LOG";

int32_t LongAt(const std::string& b, size_t at) {
  uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(b[at + i]);
  return static_cast<int32_t>(u);
}

class AutogenPatchTest : public ::testing::Test {
 protected:
  AutogenPatchTest() {
    state.gsUserDir = "C:\\Users\\pilot";
    fake.files.AddFolder(state.gsUserDir);
    MakeLogFileName(ctx);
    state.gSpbDefinition = DefinitionBlock();
  }
  // The log since the last call, without time stamps.
  std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    std::string log = fake.files.Content(kLog);
    for (size_t at = 0; at < log.size();) {
      size_t end = log.find("\r\n", at);
      lines.push_back(log.substr(at + 23, end - at - 23));
      at = end + 2;
    }
    fake.files.Remove(kLog);
    return lines;
  }

  FakePlatform fake;
  ProgramState state;
  Context ctx{state, fake.platform};
};

TEST_F(AutogenPatchTest, PatchesOnceThenFindsItsOwnDescriptions) {
  const std::string original = AutogenFile({"{other-1}", "{other-2}"});
  fake.files.AddFile(kSpb, original);
  AutogenScan before = ScanAutogenDescriptions(original);
  ASSERT_EQ(before.result, AutogenScan::Result::kScanned);

  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenPatched);
  std::string patched = fake.files.Content(kSpb);
  ASSERT_EQ(patched.size(), original.size() + 562);
  EXPECT_EQ(LongAt(patched, before.outer_body - 4), before.outer_length + 562);
  EXPECT_EQ(LongAt(patched, before.list_body - 4), before.list_length + 562);
  size_t block_at = before.list_body + before.list_length - 4;
  // Apart from the two length fields, the bytes before the block are the old ones.
  std::string head = patched.substr(0, block_at);
  head.replace(before.outer_body - 4, 4, original, before.outer_body - 4, 4);
  head.replace(before.list_body - 4, 4, original, before.list_body - 4, 4);
  EXPECT_EQ(head, original.substr(0, block_at));
  EXPECT_EQ(patched.substr(block_at, 566), state.gSpbDefinition);
  EXPECT_EQ(patched.substr(patched.size() - 16), std::string("\x18\0\0\0", 4) + kEndBytes);
  EXPECT_EQ(fake.files.Content(std::string(kSpb) + ".copy"), original);
  EXPECT_EQ(LogLines(),
            (std::vector<std::string>{std::string("Opening File: ") + kSpb,
                                      std::string("File ") + kSpb + " successfully copied",
                                      "File succesfully patched!"}));

  size_t journal = fake.files.journal().size();
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenAlreadyPatched);
  EXPECT_EQ(fake.files.Content(kSpb), patched);
  EXPECT_EQ(fake.files.journal().size(), journal + 2);  // two log lines, nothing else
  EXPECT_EQ(LogLines(), (std::vector<std::string>{std::string("Opening File: ") + kSpb,
                                                  "File already patched!"}));
}

TEST_F(AutogenPatchTest, AnyOneExactMarkerMeansPatched) {
  for (const char* marker : {kMarker1, kMarker2, kMarker3}) {
    fake.files.AddFile(kSpb, AutogenFile({"{x}", marker}));
    EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenAlreadyPatched) << marker;
  }
  EXPECT_FALSE(fake.files.HasFile(std::string(kSpb) + ".copy"));
  fake.files.AddFile(kSpb, AutogenFile({"{7F653EFA-BECD-4D97-8920-EB75F691E2FC}"}));
  fake.files.AddFile(std::string(kSpb) + ".copy", "an older backup");
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenPatched);
  EXPECT_EQ(fake.files.Content(std::string(kSpb) + ".copy"),
            AutogenFile({"{7F653EFA-BECD-4D97-8920-EB75F691E2FC}"}));
}

TEST_F(AutogenPatchTest, MissingAndForeignFilesAreLeftAlone) {
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenFileNotFound);
  EXPECT_EQ(LogLines(), std::vector<std::string>{std::string("ERROR: File not found: ") + kSpb});
  fake.files.AddFile(kSpb, AutogenFile({}));
  fake.files.SetHidden(kSpb, true);
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenFileNotFound);
  LogLines();

  fake.files.AddFile(kSpb, "\xEB\xAC" + AutogenFile({}).substr(2));
  fake.files.SetHidden(kSpb, false);
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenInvalidFile);
  EXPECT_EQ(LogLines(), (std::vector<std::string>{std::string("Opening File: ") + kSpb,
                                                  "ERROR: Invalid file ID!"}));
  fake.files.AddFile(kSpb, "");
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenInvalidFile);
  EXPECT_FALSE(fake.files.HasFile(std::string(kSpb) + ".copy"));
}

TEST_F(AutogenPatchTest, TruncatedFilesEndTheScanAndStayUntouched) {
  const std::string whole = AutogenFile({"{x}"});
  for (size_t size = 2; size < whole.size(); ++size) {
    fake.files.AddFile(kSpb, whole.substr(0, size));
    ASSERT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenInvalidFile) << size;
    ASSERT_EQ(fake.files.Content(kSpb), whole.substr(0, size));
  }
  EXPECT_FALSE(fake.files.HasFile(std::string(kSpb) + ".copy"));
  std::vector<std::string> lines = LogLines();
  EXPECT_EQ(lines[1], "ERROR: Invalid file structure: the header is cut short");
  EXPECT_EQ(lines.back(), "ERROR: Invalid file structure: the end tag at offset " +
                              std::to_string(whole.size() - 16) + " is cut short");
}

TEST_F(AutogenPatchTest, LengthsOutsideTheFileAndOtherLayoutsAreRefused) {
  const std::string good = AutogenFile({"{x}"});
  AutogenScan scan = ScanAutogenDescriptions(good);
  auto with_long = [&](size_t at, int32_t v) {
    std::string b = good;
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
  };
  const std::vector<std::pair<std::string, std::string>> cases = {
      {with_long(20, -1), "the record count -1 does not fit in the file"},
      {with_long(20, 0x7FFFFFFF), "the record count 2147483647 does not fit in the file"},
      {with_long(scan.list_body - 4, -8),
       "negative length -8 at offset " + std::to_string(scan.list_body - 8)},
      {with_long(scan.outer_body - 4, 1 << 30), "the item at offset " +
                                                    std::to_string(scan.outer_body - 8) +
                                                    " runs past the end of the file"},
      {good + "more", "bytes follow the end tag"},
      {AutogenFile({"{x}"}, std::string("\x03\0\0\0", 4) + "8 bytes!"),
       "the description list does not end with its end marker"},
      {with_long(scan.outer_body - 4, scan.outer_length - 30),
       "the description list does not lie inside the outer block"},
  };
  for (const auto& [file, problem] : cases) {
    fake.files.AddFile(kSpb, file);
    EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenInvalidFile) << problem;
    EXPECT_EQ(fake.files.Content(kSpb), file);
    EXPECT_EQ(LogLines().back(), "ERROR: Invalid file structure: " + problem);
  }
  EXPECT_FALSE(fake.files.HasFile(std::string(kSpb) + ".copy"));
}

TEST_F(AutogenPatchTest, FailuresNeverLeaveAHalfPatchedFile) {
  const std::string original = AutogenFile({});
  fake.files.AddFile(kSpb, original);
  FaultInjectingFiles faulty(fake.files);
  Platform platform{fake.registry, faulty,     fake.drives, fake.processes,
                    fake.system,   fake.sound, fake.window, fake.code_page};
  Context faulty_ctx{state, platform};

  faulty.FailNth(FaultInjectingFiles::Op::kReplace, 1, kErrDiskFull);
  EXPECT_THROW(PatchAutogenDescriptions(faulty_ctx, kSpb), RuntimeError);
  EXPECT_EQ(fake.files.Content(kSpb), original);
  LogLines();

  // Without a backup the patch still goes on, and says so.
  fake.files.Remove(std::string(kSpb) + ".copy");
  faulty.FailNth(FaultInjectingFiles::Op::kCopy, 1, kErrPermissionDenied);
  EXPECT_EQ(PatchAutogenDescriptions(faulty_ctx, kSpb), kAutogenPatched);
  EXPECT_EQ(LogLines()[1], std::string("WARNING: No backup copy of ") + kSpb +
                               ": Permission denied: " + kSpb + ".copy");

  fake.files.AddFile(kSpb, original);
  state.gSpbDefinition.resize(100);
  EXPECT_THROW(PatchAutogenDescriptions(ctx, kSpb), RuntimeError);
  EXPECT_EQ(fake.files.Content(kSpb), original);
}

#ifdef VLRNA_SPB_DEF_BIN
TEST_F(AutogenPatchTest, ThePackagesOwnBlockKeepsTheFileWellFormed) {
  std::ifstream in(VLRNA_SPB_DEF_BIN, std::ios::binary);
  state.gSpbDefinition.assign(std::istreambuf_iterator<char>(in), {});
  ASSERT_EQ(state.gSpbDefinition.size(), 566u);
  fake.files.AddFile(kSpb, AutogenFile({"{other}"}));
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenPatched);
  AutogenScan after = ScanAutogenDescriptions(fake.files.Content(kSpb));
  EXPECT_EQ(after.markers, 3);
  EXPECT_EQ(PatchLayoutProblem(after, fake.files.Content(kSpb).size()), "");
  EXPECT_EQ(PatchAutogenDescriptions(ctx, kSpb), kAutogenAlreadyPatched);
}
#endif

TEST(ReadSpbStringTest, DropsZeroBytesAndStopsAtTheEnd) {
  std::string bytes("\x05\0\0\0a\0b\0c\xFF\xFF\xFF\xFF", 13);
  SpbCursor cursor{bytes, 0};
  std::string value;
  EXPECT_TRUE(ReadSpbString(cursor, &value));
  EXPECT_EQ(value, "abc");
  EXPECT_EQ(cursor.pos, 9u);
  EXPECT_FALSE(ReadSpbString(cursor, &value));  // a negative count
  EXPECT_EQ(cursor.pos, 9u);
  SpbCursor past{std::string_view(bytes.data(), 6), 0};
  EXPECT_FALSE(ReadSpbString(past, &value));
}

}  // namespace
}  // namespace vlrna
