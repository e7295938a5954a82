#ifndef VLRNA_PLATFORM_FAKE_FAKE_REGISTRY_H_
#define VLRNA_PLATFORM_FAKE_FAKE_REGISTRY_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace vlrna {

// An in-memory registry. Key paths and value names match without regard to
// case. Keeps count of the keys that are open, so a test can see that every
// opened key was closed.
class FakeRegistry : public Registry {
 public:
  void AddKey(RegistryRoot root, const std::string& path);
  void SetString(RegistryRoot root, const std::string& path, const std::string& name,
                 const std::string& value);
  void SetDword(RegistryRoot root, const std::string& path, const std::string& name,
                uint32_t value);
  // Any type, raw data (strings: terminator included if the test wants one).
  void SetRaw(RegistryRoot root, const std::string& path, const std::string& name, uint32_t type,
              std::string data);
  // Makes opening the key fail with `status` (5: access denied).
  void DenyKey(RegistryRoot root, const std::string& path, int32_t status);
  // Makes every QueryValueData fail with `status`; 0 turns the fault off.
  void FailDataReads(int32_t status) { data_status_ = status; }

  // What LoadProblems reports.
  std::vector<RegistryLoadProblem> load_problems;

  int open_keys() const { return static_cast<int>(open_.size()); }
  int opens() const { return opens_; }

  int32_t OpenKey(RegistryRoot root, const std::string& path, RegistryKey* key) override;
  int32_t QueryValueType(RegistryKey key, const std::string& name, uint32_t* type) override;
  int32_t QueryValueData(RegistryKey key, const std::string& name, uint8_t* data,
                         uint32_t* size) override;
  int32_t CloseKey(RegistryKey key) override;
  std::vector<RegistryLoadProblem> LoadProblems() const override { return load_problems; }

 private:
  struct Value {
    uint32_t type = kRegNone;
    std::string data;
  };
  struct Key {
    std::map<std::string, Value> values;  // by lower-case name
    int32_t deny_status = 0;
  };
  static std::string KeyName(RegistryRoot root, const std::string& path);
  const Value* Find(RegistryKey key, const std::string& name) const;

  std::map<std::string, Key> keys_;
  std::map<RegistryKey, std::string> open_;
  RegistryKey next_handle_ = 0x100;
  int opens_ = 0;
  int32_t data_status_ = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAKE_REGISTRY_H_
