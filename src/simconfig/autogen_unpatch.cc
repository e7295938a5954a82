#include "simconfig/autogen_unpatch.h"

#include "simconfig/autogen_scan.h"

namespace vlrna {
namespace {

constexpr size_t kListEndSize = 4;

void PutLong(std::string& bytes, size_t offset, int32_t value) {
  auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace

UnpatchResult RemoveDefinitionBlock(std::string_view file, std::string_view block,
                                    std::string_view overwritten, std::string* out) {
  AutogenScan scan = ScanAutogenDescriptions(file);
  if (scan.result != AutogenScan::Result::kScanned) return UnpatchResult::kNotRecognised;
  if (scan.markers == 0) return UnpatchResult::kNoRecords;
  if (block.size() != kSpbDefinitionSize || !PatchLayoutProblem(scan, file.size()).empty() ||
      scan.list_length < static_cast<int32_t>(block.size()) ||
      scan.outer_length < static_cast<int32_t>(block.size())) {
    return UnpatchResult::kMoved;
  }
  const size_t at = scan.list_body + static_cast<size_t>(scan.list_length) - block.size();
  if (file.substr(at, block.size()) != block) return UnpatchResult::kMoved;
  if (overwritten.size() != kListEndSize) overwritten = block.substr(block.size() - kListEndSize);
  std::string result;
  result.reserve(file.size() - static_cast<size_t>(kSpbGrowth));
  result.append(file.substr(0, at));
  result.append(overwritten);
  result.append(file.substr(at + block.size()));
  PutLong(result, scan.outer_body - 4, scan.outer_length - kSpbGrowth);
  PutLong(result, scan.list_body - 4, scan.list_length - kSpbGrowth);
  *out = std::move(result);
  return UnpatchResult::kRemoved;
}

}  // namespace vlrna
