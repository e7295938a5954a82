#ifndef VLRNA_TOOLS_MAKE_ITEMS_CATALOGUE_RULES_H_
#define VLRNA_TOOLS_MAKE_ITEMS_CATALOGUE_RULES_H_

#include <cstddef>
#include <string>
#include <vector>

namespace vlrna {

// The number of texts every message file of the package holds.
inline constexpr std::size_t kCatalogueEntries = 88;

// Checks one language's texts (element i = text i + 1, code page 1252)
// against what the wizard does with them: the entry count; each used text
// present and each unused one empty; one line where a text is a caption, a
// title or a piece of a longer line; a length that fits its place; the
// placeholders %INSTPATH%, %DRIVE%, %DISK% exactly in the texts that get them
// replaced, no unknown placeholder; one "&" mnemonic in each button caption,
// none elsewhere, and different mnemonics on the buttons that share a page.
// Returns one line per problem, "text N: ...", empty when all is well.
std::vector<std::string> CheckCatalogueRules(const std::vector<std::string>& texts);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_MAKE_ITEMS_CATALOGUE_RULES_H_
