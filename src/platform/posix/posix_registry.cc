#include "platform/posix/posix_registry.h"

#include <cstring>

#include "platform/posix/name_case.h"

namespace vlrna {
namespace {

bool IsStringType(uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

// The bytes that the ANSI call gives for a value: strings converted from
// UTF-16 to the code page (their NULs stay), everything else as stored.
std::string AnsiData(const RegValue& value, const PosixCodePage& code_page) {
  if (!IsStringType(value.type)) return value.data;
  std::u16string text;
  for (size_t i = 0; i + 1 < value.data.size(); i += 2) {
    text.push_back(static_cast<char16_t>(static_cast<unsigned char>(value.data[i]) |
                                         (static_cast<unsigned char>(value.data[i + 1]) << 8)));
  }
  return code_page.Utf16ToAnsi(text);
}

}  // namespace

PosixRegistry::PosixRegistry(const WinePrefix& prefix) : prefix_(prefix) {}

int32_t PosixRegistry::OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) {
  const RegHive& hive =
      root == RegistryRoot::kLocalMachine ? prefix_.machine_hive() : prefix_.user_hive();
  const RegKeyData* data = hive.FindKey(prefix_.code_page().AnsiToUtf8(path));
  if (data == nullptr) return kRegFileNotFound;
  *key = next_handle_++;
  open_[*key] = data;
  return kRegOk;
}

const RegValue* PosixRegistry::Find(RegistryKey key, const std::string& name,
                                    int32_t* status) const {
  auto open = open_.find(key);
  if (open == open_.end()) {
    *status = kRegInvalidHandle;
    return nullptr;
  }
  auto it = open->second->values.find(FoldCase(prefix_.code_page().AnsiToUtf8(name)));
  if (it == open->second->values.end()) {
    *status = kRegFileNotFound;
    return nullptr;
  }
  *status = kRegOk;
  return &it->second;
}

int32_t PosixRegistry::QueryValueType(RegistryKey key, const std::string& name, uint32_t* type) {
  int32_t status;
  const RegValue* value = Find(key, name, &status);
  if (value != nullptr) *type = value->type;
  return status;
}

int32_t PosixRegistry::QueryValueData(RegistryKey key, const std::string& name, uint8_t* data,
                                      uint32_t* size) {
  int32_t status;
  const RegValue* value = Find(key, name, &status);
  if (value == nullptr) return status;
  std::string bytes = AnsiData(*value, prefix_.code_page());
  uint32_t room = *size;
  *size = static_cast<uint32_t>(bytes.size());
  if (data == nullptr) return kRegOk;
  if (bytes.size() > room) return kRegMoreData;
  std::memcpy(data, bytes.data(), bytes.size());
  return kRegOk;
}

int32_t PosixRegistry::CloseKey(RegistryKey key) {
  return open_.erase(key) ? kRegOk : kRegInvalidHandle;
}

}  // namespace vlrna
