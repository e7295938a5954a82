#ifndef VLRNA_SIMCONFIG_AUTOGEN_PATCH_H_
#define VLRNA_SIMCONFIG_AUTOGEN_PATCH_H_

#include <string>

#include "shell/context.h"

namespace vlrna {

// Result codes of PatchAutogenDescriptions.
inline constexpr int kAutogenAlreadyPatched = 0;
inline constexpr int kAutogenPatched = 1;
inline constexpr int kAutogenInvalidFile = 2;
inline constexpr int kAutogenFileNotFound = 3;

// Adds the package's autogen descriptions (gSpbDefinition) to the autogen
// description file `path` unless one of them is there already, and logs the
// outcome:
// - 3: no normal file at `path`;
// - 2: not an autogen description file, or one that is cut short, damaged,
//   or not laid out as the patch needs (the log says why);
// - 0: already patched;
// - 1: patched. The file is first copied to path + ".copy" (replacing an older
//   copy; a failed copy is logged and the patch goes on), then replaced
//   atomically by the patched content, 562 bytes longer.
// The file is left untouched for 0, 2 and 3 and no copy is made. Raises
// RuntimeError when the file cannot be read or replaced (it then stays as it
// was), 6 (Overflow) when a length field would pass 32 bits, and 5 when
// gSpbDefinition is not 566 bytes long. For 1, `overwritten` (when given)
// receives the four bytes of the file that the block was written over.
int PatchAutogenDescriptions(Context& ctx, const std::string& path,
                             std::string* overwritten = nullptr);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_AUTOGEN_PATCH_H_
