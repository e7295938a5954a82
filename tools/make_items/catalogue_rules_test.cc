#include "make_items/catalogue_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "make_items/message_source.h"
#include "shell/message_catalogue.h"

namespace vlrna {
namespace {

using Problems = std::vector<std::string>;

std::vector<std::string> LoadPackageTexts(const std::string& name) {
  const std::string path = std::string(VLRNA_PACKAGE_TEXTS_DIR) + "/" + name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseMessageSource(source, path);
}

TEST(CatalogueRulesTest, EveryLanguageOfThePackageFitsTheWizard) {
  for (const char* name : {"items_eng.txt", "items_ger.txt", "items_ita.txt", "items_fra.txt"}) {
    SCOPED_TRACE(name);
    const std::vector<std::string> texts = LoadPackageTexts(name);
    EXPECT_EQ(CheckCatalogueRules(texts), Problems{});
    ASSERT_EQ(texts.size(), kCatalogueEntries);
    // Spot checks of what the pages join and replace.
    EXPECT_NE(texts[0].find("%APPTITLE%"), std::string::npos);
    EXPECT_EQ(texts[32].find(' ', texts[32].size() - 1), std::string::npos);  // before " (1/9)"
  }
  EXPECT_EQ(LoadPackageTexts("items_ger.txt")[3],
            "< &Zur\xFC"
            "ck");
  EXPECT_EQ(LoadPackageTexts("items_fra.txt")[8], "Dossier de destination\xA0:");
}

TEST(CatalogueRulesTest, EveryLanguageReadsBackThroughTheWizardsLoader) {
  for (const char* name : {"items_eng.txt", "items_ger.txt", "items_ita.txt", "items_fra.txt"}) {
    SCOPED_TRACE(name);
    const std::vector<std::string> texts = LoadPackageTexts(name);
    std::array<std::string, 101> catalogue;
    ParseMessageFile(RenderMessageFile(texts), catalogue);
    EXPECT_EQ(catalogue[0], std::to_string(kCatalogueEntries));
    for (std::size_t number = 1; number <= texts.size(); ++number) {
      std::string expected = texts[number - 1];
      ReplaceAll(expected, "%APPTITLE%", "Veltrona Zozo");
      EXPECT_EQ(catalogue[number], expected) << "text " << number;
    }
  }
}

class CatalogueRulesChangeTest : public ::testing::Test {
 protected:
  // The problems of the English texts with one text changed.
  Problems With(std::size_t number, const std::string& text) const {
    std::vector<std::string> changed = texts_;
    changed[number - 1] = text;
    return CheckCatalogueRules(changed);
  }
  std::vector<std::string> texts_ = LoadPackageTexts("items_eng.txt");
};

TEST_F(CatalogueRulesChangeTest, PlaceholdersOnlyWhereAPageReplacesThem) {
  EXPECT_EQ(With(41, "Drive C: is full."), Problems{"text 41: must hold %DRIVE%"});
  EXPECT_EQ(With(41, "Drive %DRIVE% is full."), Problems{});
  EXPECT_EQ(With(12, "Insert disc %DISK%."), Problems{"text 12: %DISK% is never replaced here"});
  EXPECT_EQ(With(12, "Not enough space for %APPTILE%."),
            Problems{"text 12: unknown placeholder %APPTILE%"});
  EXPECT_EQ(With(12, "%APPTITLE% needs 14 GB, 100% sure."), Problems{});
}

TEST_F(CatalogueRulesChangeTest, ButtonMnemonicsAreSingleAndDistinct) {
  EXPECT_EQ(With(54, "&Cancel all"), Problems{"text 54: mnemonic C is taken by another button"});
  EXPECT_EQ(With(54, "Options"), Problems{"text 54: needs exactly one \"&\" before a letter"});
  EXPECT_EQ(With(54, "&Op&tions"), Problems{"text 54: needs exactly one \"&\" before a letter"});
  EXPECT_EQ(With(54, "&Options"), Problems{});
  EXPECT_EQ(With(25, "Cancel &Installation"), Problems{"text 25: \"&\" outside a button"});
}

TEST_F(CatalogueRulesChangeTest, ShapeAndLengthFitThePlace) {
  EXPECT_EQ(With(6, "spare"), Problems{"text 6: no page shows it, leave it empty"});
  EXPECT_EQ(With(26, ""), Problems{"text 26: is empty but the wizard shows it"});
  EXPECT_EQ(With(33, "Copying\r\nfiles"), Problems{"text 33: must be one line"});
  EXPECT_EQ(With(3, "&Next step, please >"), Problems{"text 3: longer than 16 characters"});
  EXPECT_EQ(With(26, "Really?\r\nNothing has been installed yet."), Problems{});
  texts_.pop_back();
  const std::string count = std::to_string(kCatalogueEntries);
  EXPECT_EQ(CheckCatalogueRules(texts_), Problems{"holds " + std::to_string(kCatalogueEntries - 1) +
                                                  " texts, the wizard uses " + count});
}

}  // namespace
}  // namespace vlrna
