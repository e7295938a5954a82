#ifndef VLRNA_SHELL_CATALOGUE_TEXT_H_
#define VLRNA_SHELL_CATALOGUE_TEXT_H_

#include <string>
#include <string_view>

#include "shell/program_state.h"

namespace vlrna {

// Catalogue entry `number`, or the English `fallback` when the loaded message
// file leaves the entry empty, as a message file older than the entry does.
inline std::string CatalogueText(const ProgramState& state, size_t number,
                                 std::string_view fallback) {
  const std::string& text = state.MessageCatalogue.at(number);
  return text.empty() ? std::string(fallback) : text;
}

}  // namespace vlrna

#endif  // VLRNA_SHELL_CATALOGUE_TEXT_H_
