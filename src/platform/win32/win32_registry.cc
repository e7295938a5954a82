#include "platform/win32/win32_registry.h"

#include "platform/win32/windows_api.h"

namespace vlrna {
namespace {

HKEY Handle(RegistryKey key) { return reinterpret_cast<HKEY>(static_cast<uintptr_t>(key)); }

}  // namespace

int32_t Win32Registry::OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) {
  const HKEY base = root == RegistryRoot::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  HKEY opened = nullptr;
  LSTATUS status = ERROR_FILE_NOT_FOUND;
  for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
    status = RegOpenKeyExA(base, path.c_str(), 0, KEY_READ | view, &opened);
    if (status != ERROR_FILE_NOT_FOUND) break;
  }
  if (status == ERROR_SUCCESS) *key = static_cast<RegistryKey>(reinterpret_cast<uintptr_t>(opened));
  return static_cast<int32_t>(status);
}

int32_t Win32Registry::QueryValueType(RegistryKey key, const std::string& name, uint32_t* type) {
  DWORD found = 0;
  LSTATUS status = RegQueryValueExA(Handle(key), name.c_str(), nullptr, &found, nullptr, nullptr);
  if (status == ERROR_SUCCESS) *type = found;
  return static_cast<int32_t>(status);
}

int32_t Win32Registry::QueryValueData(RegistryKey key, const std::string& name, uint8_t* data,
                                      uint32_t* size) {
  DWORD length = *size;
  LSTATUS status = RegQueryValueExA(Handle(key), name.c_str(), nullptr, nullptr, data, &length);
  *size = length;
  return static_cast<int32_t>(status);
}

int32_t Win32Registry::CloseKey(RegistryKey key) {
  return static_cast<int32_t>(RegCloseKey(Handle(key)));
}

}  // namespace vlrna
