#ifndef VLRNA_PLATFORM_REGISTRY_H_
#define VLRNA_PLATFORM_REGISTRY_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vlrna {

enum class RegistryRoot { kLocalMachine, kCurrentUser };

// Registry value type codes, as Windows numbers them.
enum RegistryType : uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
  kRegQword = 11,
};

// Windows status codes that the registry operations return.
enum RegistryStatus : int32_t {
  kRegOk = 0,
  kRegFileNotFound = 2,
  kRegAccessDenied = 5,
  kRegInvalidHandle = 6,
  kRegMoreData = 234,
};

using RegistryKey = uint64_t;

// A store of registry data that could not be read whole when the registry
// was loaded: what was read is used, the rest is missing.
struct RegistryLoadProblem {
  std::string store;         // the file the data came from
  size_t skipped_lines = 0;  // lines left out; 0 when the file could not be read at all
  std::string first;         // the first of them ("line 12: malformed value data"), or why
                             // the file could not be read
};

// Read-only access to the Windows registry: the four operations that the
// registry routine of the wizard needs, with the results the ANSI Win32 calls
// give. Strings come back as bytes in the system's ANSI code page.
class Registry {
 public:
  virtual ~Registry() = default;

  // Opens `path` below `root`. Returns kRegOk and sets *key, or a Windows
  // status (kRegFileNotFound when the key does not exist).
  virtual int32_t OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) = 0;

  // Probes a value without reading it. Returns kRegOk and sets *type when the
  // value exists (the empty name is the key's default value), else non-zero.
  virtual int32_t QueryValueType(RegistryKey key, const std::string& name, uint32_t* type) = 0;

  // Reads a value's data into `data`, which holds *size bytes. On return *size
  // is the number of bytes stored (strings: terminating NUL included), or the
  // size needed when the buffer was too small (status kRegMoreData).
  virtual int32_t QueryValueData(RegistryKey key, const std::string& name, uint8_t* data,
                                 uint32_t* size) = 0;

  virtual int32_t CloseKey(RegistryKey key) = 0;

  // The stores that could not be read whole, for the log; a registry that
  // reads nothing from files has none.
  virtual std::vector<RegistryLoadProblem> LoadProblems() const { return {}; }
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_REGISTRY_H_
