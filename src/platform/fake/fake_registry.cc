#include "platform/fake/fake_registry.h"

#include <cstring>

#include "platform/ascii_case.h"

namespace vlrna {

std::string FakeRegistry::KeyName(RegistryRoot root, const std::string& path) {
  std::string p = AsciiLower(path);
  while (!p.empty() && p.back() == '\\') p.pop_back();
  return (root == RegistryRoot::kLocalMachine ? "hklm\\" : "hkcu\\") + p;
}

void FakeRegistry::AddKey(RegistryRoot root, const std::string& path) {
  keys_[KeyName(root, path)];
}

void FakeRegistry::SetString(RegistryRoot root, const std::string& path, const std::string& name,
                             const std::string& value) {
  SetRaw(root, path, name, kRegSz, value + std::string(1, '\0'));
}

void FakeRegistry::SetDword(RegistryRoot root, const std::string& path, const std::string& name,
                            uint32_t value) {
  std::string data(4, '\0');
  std::memcpy(data.data(), &value, 4);
  SetRaw(root, path, name, kRegDword, data);
}

void FakeRegistry::SetRaw(RegistryRoot root, const std::string& path, const std::string& name,
                          uint32_t type, std::string data) {
  keys_[KeyName(root, path)].values[AsciiLower(name)] = Value{type, std::move(data)};
}

void FakeRegistry::DenyKey(RegistryRoot root, const std::string& path, int32_t status) {
  keys_[KeyName(root, path)].deny_status = status;
}

int32_t FakeRegistry::OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) {
  auto it = keys_.find(KeyName(root, path));
  if (it == keys_.end()) return kRegFileNotFound;
  if (it->second.deny_status != 0) return it->second.deny_status;
  *key = next_handle_++;
  open_[*key] = it->first;
  ++opens_;
  return kRegOk;
}

const FakeRegistry::Value* FakeRegistry::Find(RegistryKey key, const std::string& name) const {
  auto open = open_.find(key);
  if (open == open_.end()) return nullptr;
  const Key& k = keys_.at(open->second);
  auto it = k.values.find(AsciiLower(name));
  return it == k.values.end() ? nullptr : &it->second;
}

int32_t FakeRegistry::QueryValueType(RegistryKey key, const std::string& name, uint32_t* type) {
  if (open_.count(key) == 0) return kRegInvalidHandle;
  const Value* v = Find(key, name);
  if (v == nullptr) return kRegFileNotFound;
  *type = v->type;
  return kRegOk;
}

int32_t FakeRegistry::QueryValueData(RegistryKey key, const std::string& name, uint8_t* data,
                                     uint32_t* size) {
  if (open_.count(key) == 0) return kRegInvalidHandle;
  if (data_status_ != 0) return data_status_;
  const Value* v = Find(key, name);
  if (v == nullptr) return kRegFileNotFound;
  if (v->data.size() > *size) {
    *size = static_cast<uint32_t>(v->data.size());
    return kRegMoreData;
  }
  std::memcpy(data, v->data.data(), v->data.size());
  *size = static_cast<uint32_t>(v->data.size());
  return kRegOk;
}

int32_t FakeRegistry::CloseKey(RegistryKey key) {
  return open_.erase(key) ? kRegOk : kRegInvalidHandle;
}

}  // namespace vlrna
