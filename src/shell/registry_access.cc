#include "shell/registry_access.h"

#include <array>
#include <cstring>

#include "shell/program_end.h"

namespace vlrna {
namespace {

constexpr uint32_t kBufferSize = 512;
constexpr char kModule[] = "Registry";

// Reads the value of an open key as text into `text`, as the registry
// routine promises it. Returns 0, also for a missing value, or the status of
// a read that failed, which leaves `text` empty.
int32_t ReadValue(Registry& registry, RegistryKey key, const std::string& name, std::string& text) {
  uint32_t type = kRegNone;
  int32_t status = registry.QueryValueType(key, name, &type);
  if (status == kRegFileNotFound) return kRegOk;
  if (status != kRegOk) return status;
  if (type == kRegSz) {
    std::array<uint8_t, kBufferSize> buffer;
    buffer.fill(' ');
    uint32_t size = kBufferSize;
    status = registry.QueryValueData(key, name, buffer.data(), &size);
    if (status == kRegMoreData || size > kBufferSize) {
      throw RuntimeError(kErrInvalidCall, "String value longer than 511 characters: " + name,
                         kModule, 5);
    }
    if (status != kRegOk) return status;
    for (uint32_t i = 0; i + 1 < size; ++i) {
      if (buffer[i] != 0) text.push_back(static_cast<char>(buffer[i]));
    }
  } else if (type == kRegDword) {
    int32_t number = 0;
    uint32_t size = sizeof number;
    status = registry.QueryValueData(key, name, reinterpret_cast<uint8_t*>(&number), &size);
    if (status != kRegOk) return status;
    text = std::to_string(number);
  }
  return kRegOk;
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
  int32_t read = kRegOk;
  try {
    read = ReadValue(registry, key, value_name, value);
  } catch (const RuntimeError& error) {
    ReportRegistryError(ctx, error, "GetRegistry");
  }
  int32_t closed = registry.CloseKey(key);
  return read != kRegOk ? read : closed;
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
