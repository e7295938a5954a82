#ifndef VLRNA_PLATFORM_WIN32_WIN32_REGISTRY_H_
#define VLRNA_PLATFORM_WIN32_WIN32_REGISTRY_H_

#include "platform/registry.h"

namespace vlrna {

// The Windows registry through the ANSI calls. A key is looked for in the
// 32-bit view first, where the simulators' 32-bit installers register, then
// in the 64-bit view, where Prepar3D v4's does.
class Win32Registry : public Registry {
 public:
  int32_t OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) override;
  int32_t QueryValueType(RegistryKey key, const std::string& name, uint32_t* type) override;
  int32_t QueryValueData(RegistryKey key, const std::string& name, uint8_t* data,
                         uint32_t* size) override;
  int32_t CloseKey(RegistryKey key) override;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_WIN32_WIN32_REGISTRY_H_
