#include "simconfig/ini_document.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_code_page.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {
namespace {

std::string Edit(std::string_view bytes, std::string_view section, std::string_view key,
                 std::string_view value) {
  IniDocument doc = IniDocument::Parse(bytes, Windows1252());
  doc.Set(section, key, value);
  return doc.Bytes();
}

// A library as the simulator leaves it: a comment before the first section,
// blank lines between sections, keys in its own spelling.
const char kLibrary[] =
    "; scenery library, written by the simulator\r\n"
    "[General]\r\n"
    "Title=FS9 World Scenery\r\n"
    "Description=FS9 Scenery Data\r\n"
    "Clean_on_Exit=TRUE\r\n"
    "\r\n"
    "[Area.001]\r\n"
    "Title=Default Terrain\r\n"
    "Local=Scenery\\World\r\n"
    "Layer=1\r\n"
    "Active=TRUE\r\n"
    "Required=TRUE\r\n"
    "\r\n"
    "[Area.002]\r\n"
    "Title = Addon Scenery\r\n"
    "Local = Addon Scenery\r\n"
    "Layer = 2\r\n"
    "Active = TRUE\r\n"
    "\r\n";

TEST(IniDocumentTest, ReadsLikeTheProfileService) {
  IniDocument doc = IniDocument::Parse(
      "top=before any section\r\n"
      "[ General ]\r\n"
      "  Title  =  \"Quoted value\"  \r\n"
      "single='x'\r\n"
      "mismatched=\"x'\r\n"
      "lonely=\"\r\n"
      ";Layer=9\r\n"
      "no key line\r\n"
      "=no key\r\n"
      "empty=\r\n"
      "[general]\r\n"
      "Title=second section of the same name\r\n"
      "[Area.001]\r\n"
      "layer=1\r\n"
      "LAYER=2\r\n",
      Windows1252());
  EXPECT_EQ(doc.Find("GENERAL", "title"), "Quoted value");
  EXPECT_EQ(doc.Find("general", "single"), "x");
  EXPECT_EQ(doc.Find("general", "mismatched"), "\"x'");
  EXPECT_EQ(doc.Find("general", "lonely"), "\"");
  EXPECT_EQ(doc.Find("general", "empty"), "");
  EXPECT_EQ(doc.Find("general", "Layer"), std::nullopt);  // only in a comment
  EXPECT_EQ(doc.Find("general", "no key line"), std::nullopt);
  EXPECT_EQ(doc.Find("general", "top"), std::nullopt);
  EXPECT_EQ(doc.Find("Area.001", "Layer"), "1");  // the first of duplicate keys
  EXPECT_EQ(doc.Find(" area.001 ", " layer "), "1");
  EXPECT_EQ(doc.Find("Area.002", "layer"), std::nullopt);
  EXPECT_TRUE(doc.HasSection("AREA.001"));
  EXPECT_FALSE(doc.HasSection("Area.1"));
}

TEST(IniDocumentTest, UntouchedFilesComeBackByteForByte) {
  for (const char* bytes : {kLibrary, "", "\r\n\r\n", "no sections at all", "[A]\nx=1\r\ny=2\rz=3",
                            "[broken\r\n=\r\n", "\xEF\xBB\xBF[A]\r\nx=\xC3\xA9\r\n"}) {
    std::string_view view(bytes, std::string_view(bytes).size());
    EXPECT_EQ(IniDocument::Parse(view, Windows1252()).Bytes(), view);
  }
  const char kUtf16[] = "\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0\x3D\xD8\x00\xDE\x00\xDC!";
  std::string utf16(kUtf16, sizeof kUtf16 - 1);
  EXPECT_EQ(IniDocument::Parse(utf16, Windows1252()).Bytes(),
            utf16);  // pair, lone low surrogate, odd tail
}

TEST(IniDocumentTest, ReplacesInPlaceKeepingSpellingAndBlanks) {
  std::string expected = kLibrary;
  expected.replace(expected.find("Layer = 2"), 9, "Layer = 57");
  EXPECT_EQ(Edit(kLibrary, "AREA.002", "layer", "57"), expected);

  expected = kLibrary;
  expected.replace(expected.find("Title=FS9 World Scenery"), 23, "Title=x");
  EXPECT_EQ(Edit(kLibrary, "general", "TITLE", "x"), expected);
}

TEST(IniDocumentTest, AddsAMissingKeyAfterTheLastLineOfItsSection) {
  std::string expected = kLibrary;
  expected.insert(expected.find("Required=TRUE\r\n") + 15, "Texture=none\r\n");
  EXPECT_EQ(Edit(kLibrary, "Area.001", "Texture", "none"), expected);

  // The last section: before the blank line that ends the file.
  expected = kLibrary;
  expected.insert(expected.find("Active = TRUE\r\n") + 15, "Required=False\r\n");
  EXPECT_EQ(Edit(kLibrary, "Area.002", "Required", "False"), expected);
}

TEST(IniDocumentTest, AddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(Edit(kLibrary, "Area.003", "Title", "Veltrona Elevation"),
            std::string(kLibrary) + "[Area.003]\r\nTitle=Veltrona Elevation\r\n");
  EXPECT_EQ(Edit("", "TERRAIN", "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS", "256"),
            "[TERRAIN]\r\nIMAGE_PIXELS_FOR_AUTOGEN_POLYGONS=256\r\n");
  // A section that only a comment names is still missing.
  EXPECT_EQ(Edit("; [TERRAIN]\r\n", "TERRAIN", "A", "1"), "; [TERRAIN]\r\n[TERRAIN]\r\nA=1\r\n");
}

TEST(IniDocumentTest, KeepsLfLineEndsAndAMissingFinalLineEnd) {
  EXPECT_EQ(Edit("[A]\nx=1\n\n[B]\ny=2\n", "A", "z", "3"), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");
  EXPECT_EQ(Edit("[A]\nx=1", "A", "y", "2"), "[A]\nx=1\ny=2");
  EXPECT_EQ(Edit("[A]\r\nx=1", "A", "x", "22"), "[A]\r\nx=22");
  EXPECT_EQ(Edit("[A]\r\nx=1", "B", "y", "2"), "[A]\r\nx=1\r\n[B]\r\ny=2");
  // Each line keeps its own end; new lines take the first line's.
  EXPECT_EQ(Edit("[A]\nx=1\r\n[B]\r\n", "A", "y", "2"), "[A]\nx=1\r\ny=2\n[B]\r\n");
}

TEST(IniDocumentTest, DuplicatesEditTheFirstAndLeaveTheRest) {
  EXPECT_EQ(Edit("[A]\r\nk=1\r\nK=2\r\n[a]\r\nk=3\r\n", "A", "k", "9"),
            "[A]\r\nk=9\r\nK=2\r\n[a]\r\nk=3\r\n");
  EXPECT_EQ(Edit("[A]\r\nx=1\r\n[a]\r\n", "a", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n[a]\r\n");
}

TEST(IniDocumentTest, Utf8FilesKeepTheirMarkAndGetUtf8Values) {
  const std::string file = "\xEF\xBB\xBF[TERRAIN]\r\nNAME=Fl\xC3\xBCge\r\n";
  IniDocument doc = IniDocument::Parse(file, Windows1252());
  EXPECT_EQ(doc.encoding(), TextEncoding::kUtf8);
  EXPECT_EQ(doc.Find("terrain", "name"), "Fl\xFCge");  // ANSI for the caller
  doc.Set("TERRAIN", "PATH", "D:\\Fl\xFCge\\vlrna\\dem");
  EXPECT_EQ(doc.Bytes(), file + "PATH=D:\\Fl\xC3\xBCge\\vlrna\\dem\r\n");
}

TEST(IniDocumentTest, UnicodeFilesTalkInTheMachinesCodePage) {
  const FakeCodePage cyrillic(1251, kWindows1251HighHalf);
  const std::string file =
      "\xEF\xBB\xBF[Area.001]\r\nTitle=\xD0\x9C\xD0\xB8\xD1\x80 caf\xC3\xA9\r\n";
  IniDocument doc = IniDocument::Parse(file, cyrillic);
  EXPECT_EQ(doc.Find("Area.001", "Title"), "\xCC\xE8\xF0 caf?");  // "Мир caf?"
  doc.Set("Area.001", "Local", "D:\\\xCC\xE8\xF0\\vlrna");
  EXPECT_EQ(doc.Bytes(), file + "Local=D:\\\xD0\x9C\xD0\xB8\xD1\x80\\vlrna\r\n");
}

// UTF-16LE text with a byte-order mark, from ASCII.
std::string Utf16(std::string_view ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) {
    out.push_back(c);
    out.push_back('\0');
  }
  return out;
}

TEST(IniDocumentTest, Utf16FilesStayUtf16) {
  std::string file = Utf16("; comment\r\n[TERRAIN]\r\nIMAGE=128\r\n\r\n[DISPLAY]\r\nX=1");
  IniDocument doc = IniDocument::Parse(file, Windows1252());
  EXPECT_EQ(doc.Find("terrain", "image"), "128");
  doc.Set("terrain", "image", "256");
  doc.Set("DISPLAY", "Y", "\xE9");  // ANSI e-acute is U+00E9
  doc.Set("SOUND", "ON", "1");
  std::string expected = Utf16(
      "; comment\r\n[TERRAIN]\r\nIMAGE=256\r\n\r\n[DISPLAY]\r\nX=1\r\nY=\xE9\r\n[SOUND]\r\nON=1");
  EXPECT_EQ(doc.Bytes(), expected);
}

TEST(IniDocumentTest, NamesThatWouldBreakLinesAreUnsafe) {
  EXPECT_TRUE(IsSafeIniSection("Area.001"));
  EXPECT_TRUE(IsSafeIniKey("Local"));
  EXPECT_TRUE(IsSafeIniValue("D:\\a=b;c [x]"));
  EXPECT_FALSE(IsSafeIniSection("A]x"));
  EXPECT_FALSE(IsSafeIniSection(" "));
  EXPECT_FALSE(IsSafeIniKey("a=b"));
  EXPECT_FALSE(IsSafeIniKey(";x"));
  EXPECT_FALSE(IsSafeIniKey("[x"));
  EXPECT_FALSE(IsSafeIniValue("a\r\n[Area.001]"));
  EXPECT_FALSE(IsSafeIniValue(std::string_view("a\0b", 3)));
}

}  // namespace
}  // namespace vlrna

namespace vlrna {
namespace {

// Whatever Set added, removing it again gives the file's bytes back: line
// ends of every style, a file without a final line end, blank lines, marks.
TEST(IniDocumentTest, RemovingWhatSetAddedGivesTheFileBack) {
  const std::string utf16("\xFF\xFE[\0T\0E\0R\0R\0A\0I\0N\0]\0\r\0\n\0a\0=\0\xE9\0\r\0\n\0", 28);
  for (const std::string& original :
       {std::string(kLibrary), std::string("[General]\nTitle=x\n\n"),
        std::string("[TERRAIN]\r\nA=1"), std::string("[TERRAIN]\r\n\r\n; note\r\n"), std::string(),
        std::string("\xEF\xBB\xBFx=1\r"), utf16}) {
    IniDocument doc = IniDocument::Parse(original, Windows1252());
    const bool had_terrain = doc.HasSection("TERRAIN");
    doc.Set("Area.003", "Title", "Veltrona \xC4");
    doc.Set("Area.003", "Local", "E:\\Scenery\\vlrna\\dem");
    doc.Set("Area.004", "Title", "Veltrona Ortho");
    doc.Set("TERRAIN", "IMAGE_PIXELS_FOR_AUTOGEN_POLYGONS", "256");
    ASSERT_NE(doc.Bytes(), original);
    EXPECT_TRUE(doc.RemoveKey("terrain", " image_pixels_for_autogen_polygons "));
    if (!had_terrain) {
      EXPECT_FALSE(doc.SectionHasKeys("TERRAIN"));
      EXPECT_TRUE(doc.RemoveSection("TERRAIN"));
    }
    EXPECT_TRUE(doc.RemoveSection("area.003"));
    EXPECT_TRUE(doc.RemoveSection("Area.004"));
    EXPECT_EQ(doc.Bytes(), original);
    EXPECT_FALSE(doc.RemoveSection("Area.004"));
    EXPECT_FALSE(doc.RemoveKey("Area.003", "Title"));
  }
}

TEST(IniDocumentTest, RemovingASectionTakesItsLinesAndTheFirstOfDuplicates) {
  IniDocument doc = IniDocument::Parse(kLibrary, Windows1252());
  EXPECT_TRUE(doc.RemoveSection("Area.001"));
  EXPECT_EQ(doc.Bytes(), std::string(kLibrary).erase(133, 95));
  IniDocument twice = IniDocument::Parse("[A]\r\nx=1\r\n[B]\r\n[a]\r\nx=2\r\n", Windows1252());
  EXPECT_TRUE(twice.RemoveSection("A"));
  EXPECT_EQ(twice.Find("A", "x"), "2");
  EXPECT_FALSE(twice.SectionHasKeys("B"));
  EXPECT_TRUE(twice.SectionHasKeys("A"));
  EXPECT_EQ(twice.Bytes(), "[B]\r\n[a]\r\nx=2\r\n");
}

}  // namespace
}  // namespace vlrna
