#include "shell/registry_access.h"

#include <array>
#include <cstring>

#include "shell/program_end.h"

namespace vlrna {
namespace {

constexpr uint32_t kBufferSize = 512;
constexpr char kModule[] = "Registry";

// The value of an open key as text, as the registry routine promises it.
std::string ReadValue(Registry& registry, RegistryKey key, const std::string& name) {
  uint32_t type = kRegNone;
  if (registry.QueryValueType(key, name, &type) != kRegOk) return "";
  if (type == kRegSz) {
    std::array<uint8_t, kBufferSize> buffer;
    buffer.fill(' ');
    uint32_t size = kBufferSize;
    if (registry.QueryValueData(key, name, buffer.data(), &size) == kRegMoreData ||
        size > kBufferSize) {
      throw RuntimeError(kErrInvalidCall, "String value longer than 511 characters: " + name,
                         kModule, 5);
    }
    std::string text;
    for (uint32_t i = 0; i + 1 < size; ++i) {
      if (buffer[i] != 0) text.push_back(static_cast<char>(buffer[i]));
    }
    return text;
  }
  if (type == kRegDword) {
    int32_t number = 0;
    uint32_t size = sizeof number;
    registry.QueryValueData(key, name, reinterpret_cast<uint8_t*>(&number), &size);
    return std::to_string(number);
  }
  return "";
}

}  // namespace

int32_t GetRegistry(Context& ctx, int32_t root, const std::string& key_path,
                    const std::string& value_name, std::string& value) {
  value.clear();
  if (root != 0 && root != 1) return kRegInvalidHandle;
  Registry& registry = ctx.platform.registry;
  RegistryKey key = 0;
  int32_t status = registry.OpenKey(
      root == 0 ? RegistryRoot::kLocalMachine : RegistryRoot::kCurrentUser, key_path, &key);
  if (status != kRegOk) return status;
  try {
    value = ReadValue(registry, key, value_name);
  } catch (const RuntimeError& error) {
    ReportRegistryError(ctx, error, "GetRegistry");
  }
  return registry.CloseKey(key);
}

void ReportRegistryError(Context& ctx, const RuntimeError& error, const std::string& function) {
  LogError(ctx, error);
  ctx.platform.window.ShowMessage({kRegistryErrorBox,
                                   "Error Nr." + std::to_string(error.number()) + " (" +
                                       error.description() + ") in function: " + function,
                                   "Guru-Meditation", MessageIcon::kCritical, MessageButtons::kOk});
  FatalError(ctx, "");
}

}  // namespace vlrna
