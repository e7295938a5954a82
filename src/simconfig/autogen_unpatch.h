#ifndef VLRNA_SIMCONFIG_AUTOGEN_UNPATCH_H_
#define VLRNA_SIMCONFIG_AUTOGEN_UNPATCH_H_

#include <string>
#include <string_view>

namespace vlrna {

// What taking the package's descriptions out of an autogen description file
// comes to.
enum class UnpatchResult {
  kRemoved,        // `out` holds the file without them
  kNoRecords,      // none of the package's descriptions are in it: nothing to do
  kNotRecognised,  // not an autogen description file, or a damaged one
  kMoved,          // they are there, but not as the patch left them: left alone
};

// Undoes SpliceDefinitionBlock: finds `block` (the definition block the
// patch wrote) as the last bytes of the file's last description list, puts
// `overwritten` (the four bytes the patch wrote it over) back in its place
// and lowers both length fields again. Empty `overwritten` takes the block's
// own last four bytes, the list end it brings. A file that nothing else
// changed since the patch comes back byte for byte.
UnpatchResult RemoveDefinitionBlock(std::string_view file, std::string_view block,
                                    std::string_view overwritten, std::string* out);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_AUTOGEN_UNPATCH_H_
