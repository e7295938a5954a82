#include "platform/posix/reg_file.h"

#include <gtest/gtest.h>

namespace vlrna {
namespace {

// A value's data, or "<none>".
std::string Data(const RegHive& hive, const std::string& key, const std::string& name,
                 uint32_t* type = nullptr) {
  const RegKeyData* k = hive.FindKey(key);
  if (k == nullptr) return "<no key>";
  auto it = k->values.find(name);
  if (it == k->values.end()) return "<none>";
  if (type) *type = it->second.type;
  return it->second.data;
}

// UTF-16LE of an ASCII text, with or without the terminator.
std::string U16(std::string_view ascii, bool terminated = true) {
  std::string out;
  for (char c : ascii) out += std::string{c, '\0'};
  if (terminated) out += std::string(2, '\0');
  return out;
}

const char kEveryType[] =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win64\n"
    "\n"
    "[Software\\\\Test] 1733412345\n"
    "#time=1db47c2a9e8f3b0\n"
    "@=\"default\"\n"
    "\"Plain\"=\"C:\\\\FSX\\\\ \\\"q\\\" \\t\\n\"\n"
    "\"Str\"=str:\"also plain\"\n"
    "\"Expand\"=str(2):\"%USERPROFILE%\\\\AppData\"\n"
    "\"Multi\"=str(7):\"one\\0two\\0\"\n"
    "\"Dword\"=dword:ffffffff\n"
    "\"Bin\"=hex:01,02,ff\n"
    "\"Long\"=hex(2):25,00,55,00,\\\n"
    "  25,00,00,00\n"
    "\"Qword\"=hex(b):2a,00,00,00,00,00,00,00\n"
    "\"Octal\"=\"\\101\\0\"\n"
    "\"Escapes\"=\"\\a\\b\\e\\f\\r\\v\"\n"
    "\"Umlaut\"=\"M\\x00fcnchen \\x65e5\"\n"
    "\"Spaced Name\" = \"x\"\n"
    "\n"
    "[Software\\\\Caf\\x00e9\\\\\\[1\\]] 1733412345\n"
    "\"A\"=\"b\"\n";

TEST(RegFileTest, ReadsEveryTypeAndEscapeWineWrites) {
  RegHive hive = RegHive::Parse(kEveryType);
  EXPECT_TRUE(hive.problems().empty()) << hive.problems()[0];
  uint32_t type = 0;
  EXPECT_EQ(Data(hive, "Software\\Test", "", &type), U16("default"));
  EXPECT_EQ(type, 1u);
  EXPECT_EQ(Data(hive, "Software\\Test", "plain"), U16("C:\\FSX\\ \"q\" \t\n"));
  EXPECT_EQ(Data(hive, "Software\\Test", "str", &type), U16("also plain"));
  EXPECT_EQ(Data(hive, "Software\\Test", "expand", &type), U16("%USERPROFILE%\\AppData"));
  EXPECT_EQ(type, 2u);
  EXPECT_EQ(Data(hive, "Software\\Test", "multi", &type), U16(std::string("one\0two\0", 8)));
  EXPECT_EQ(type, 7u);
  EXPECT_EQ(Data(hive, "Software\\Test", "dword", &type), "\xFF\xFF\xFF\xFF");
  EXPECT_EQ(type, 4u);
  EXPECT_EQ(Data(hive, "Software\\Test", "bin", &type), "\x01\x02\xFF");
  EXPECT_EQ(type, 3u);
  EXPECT_EQ(Data(hive, "Software\\Test", "long", &type), U16("%U%"));
  EXPECT_EQ(type, 2u);
  EXPECT_EQ(Data(hive, "Software\\Test", "qword", &type), std::string("\x2a\0\0\0\0\0\0\0", 8));
  EXPECT_EQ(type, 11u);
  EXPECT_EQ(Data(hive, "Software\\Test", "octal"), U16(std::string("A\0", 2)));
  EXPECT_EQ(Data(hive, "Software\\Test", "escapes"), U16("\a\b\x1b\f\r\v"));
  EXPECT_EQ(Data(hive, "Software\\Test", "umlaut"),
            U16("M\xFCnchen ", false) + std::string("\xE5\x65\0\0", 4));
  EXPECT_EQ(Data(hive, "Software\\Test", "spaced name"), U16("x"));
  EXPECT_EQ(Data(hive, "software\\caf\xC3\xA9\\[1]", "a"), U16("b"));
}

TEST(RegFileTest, KeysMatchWithoutRegardToCaseAndParentsExist) {
  RegHive hive = RegHive::Parse(kEveryType);
  EXPECT_NE(hive.FindKey("SOFTWARE\\TEST"), nullptr);
  EXPECT_NE(hive.FindKey("software\\test\\"), nullptr);
  EXPECT_NE(hive.FindKey("Software"), nullptr);
  EXPECT_NE(hive.FindKey("SOFTWARE\\CAF\xC3\x89"), nullptr);  // É folds to é
  EXPECT_NE(hive.FindKey(""), nullptr);
  EXPECT_EQ(hive.FindKey("Software\\Tes"), nullptr);
  EXPECT_EQ(hive.FindKey("Software\\Test\\Sub"), nullptr);
}

TEST(RegFileTest, AMalformedFileIsServedAsFarAsItCanBeRead) {
  RegHive hive = RegHive::Parse(
      "WINE REGISTRY Version 2\n"
      "[Software\\\\Good] 1\n"
      "\"Before\"=\"ok\"\n"
      "garbage here\n"
      "\"BadHex\"=hex:0g,01\n"
      "\"BadDword\"=dword:xyz\n"
      "\"Open\"=\"no end\n"
      "\"NoEquals\" \"x\"\n"
      "\"After\"=dword:00000001\n"
      "[Software\\\\Broken 1\n"
      "\"Lost\"=\"x\"\n"
      "[Software\\\\Later] 1\r\n"
      "\"Crlf\"=\"y\"\r\n"
      "\"Cut\"=\"abc");
  EXPECT_EQ(Data(hive, "Software\\Good", "before"), U16("ok"));
  EXPECT_EQ(Data(hive, "Software\\Good", "after"), std::string("\1\0\0\0", 4));
  EXPECT_EQ(Data(hive, "Software\\Good", "badhex"), "<none>");
  EXPECT_EQ(Data(hive, "Software\\Later", "crlf"), U16("y"));
  EXPECT_EQ(Data(hive, "Software\\Later", "cut"), "<none>");
  ASSERT_EQ(hive.problems().size(), 8u);
  EXPECT_EQ(hive.problems()[0], "line 4: unknown line skipped");
  EXPECT_EQ(hive.problems()[5], "line 10: malformed key, its values are skipped");
  EXPECT_EQ(hive.problems()[6], "line 11: value outside a key");
  EXPECT_EQ(hive.problems()[7], "line 14: malformed value data");

  // A text value cut off at a backslash takes only itself, not the next value.
  RegHive cut = RegHive::Parse(
      "WINE REGISTRY Version 2\n"
      "[Software\\\\Sim] 1\n"
      "\"Note\"=\"C:\\\\Temp\\\\\n"
      "\"AppPath\"=\"C:\\\\FSX\\\\\"\n");
  EXPECT_EQ(Data(cut, "Software\\Sim", "apppath"), U16("C:\\FSX\\"));
  EXPECT_EQ(Data(cut, "Software\\Sim", "note"), "<none>");

  RegHive foreign = RegHive::Parse("REGEDIT4\n\n[Software\\\\X]\n\"A\"=\"b\"\n");
  EXPECT_EQ(foreign.problems()[0], "line 1: not a Wine registry file of version 2");
  EXPECT_EQ(Data(foreign, "Software\\X", "a"), U16("b"));
  EXPECT_TRUE(RegHive::Parse("").problems().size() <= 1);
}

}  // namespace
}  // namespace vlrna
