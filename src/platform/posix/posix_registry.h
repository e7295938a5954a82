#ifndef VLRNA_PLATFORM_POSIX_POSIX_REGISTRY_H_
#define VLRNA_PLATFORM_POSIX_POSIX_REGISTRY_H_

#include <map>
#include <string>
#include <vector>

#include "platform/posix/wine_prefix.h"
#include "platform/registry.h"

namespace vlrna {

// The registry of a Wine prefix, read from its files: HKEY_LOCAL_MACHINE from
// system.reg, HKEY_CURRENT_USER from user.reg, as they were when the prefix
// was opened. Key paths and value names are ANSI texts and match without
// regard to case; strings come back in the prefix's ANSI code page, the way
// RegQueryValueExA gives them. Nothing is ever written.
class PosixRegistry : public Registry {
 public:
  explicit PosixRegistry(const WinePrefix& prefix);

  int32_t OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) override;
  int32_t QueryValueType(RegistryKey key, const std::string& name, uint32_t* type) override;
  // `data` may be null to ask for the size alone.
  int32_t QueryValueData(RegistryKey key, const std::string& name, uint8_t* data,
                         uint32_t* size) override;
  int32_t CloseKey(RegistryKey key) override;
  std::vector<RegistryLoadProblem> LoadProblems() const override {
    return prefix_.RegistryProblems();
  }

 private:
  // The value `name` of an open key; sets *status when there is none.
  const RegValue* Find(RegistryKey key, const std::string& name, int32_t* status) const;

  const WinePrefix& prefix_;
  std::map<RegistryKey, const RegKeyData*> open_;
  RegistryKey next_handle_ = 0x100;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_REGISTRY_H_
