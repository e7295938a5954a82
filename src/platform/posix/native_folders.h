#ifndef VLRNA_PLATFORM_POSIX_NATIVE_FOLDERS_H_
#define VLRNA_PLATFORM_POSIX_NATIVE_FOLDERS_H_

#include <sys/types.h>

#include <string>

namespace vlrna {

// Makes the folder `native_path` and every missing parent, each with `mode`
// less the umask. A folder that exists already, or that someone else makes
// meanwhile, is fine. Returns 0, or the errno of the part that failed: EEXIST
// when a file has the folder's own name, ENOTDIR when a file stands where a
// parent folder should be.
int MakeNativeFolders(const std::string& native_path, mode_t mode);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_NATIVE_FOLDERS_H_
