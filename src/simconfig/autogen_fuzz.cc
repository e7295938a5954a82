// libFuzzer target: the autogen description scan and splice. Any bytes must
// be scanned without reading outside them; a file the patch accepts must
// come out well formed, 562 bytes longer, and be recognised as patched.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "simconfig/autogen_scan.h"

namespace {

void PutLong(std::string& out, int32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A definition block of the package's shape: one description carrying an
// identifier, padded to size, and a new end marker.
std::string Block() {
  const std::string id = "{7f653efa-becd-4d97-8920-eb75f691e2fc}";
  std::string body;
  PutLong(body, 3);
  PutLong(body, static_cast<int32_t>(id.size() + 1));
  body += id + '\0';
  body.resize(vlrna::kSpbDefinitionSize - 12, 'b');
  std::string block;
  PutLong(block, 17);
  PutLong(block, static_cast<int32_t>(body.size()));
  block += body;
  PutLong(block, 0);
  return block;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string block = Block();
  std::string_view file(reinterpret_cast<const char*>(data), size);
  vlrna::AutogenScan scan = vlrna::ScanAutogenDescriptions(file);
  if (scan.result != vlrna::AutogenScan::Result::kScanned || scan.markers != 0 ||
      !vlrna::PatchLayoutProblem(scan, file.size()).empty()) {
    return 0;
  }
  std::string patched = vlrna::SpliceDefinitionBlock(file, scan, block);
  Check(patched.size() == file.size() + vlrna::kSpbGrowth);
  vlrna::AutogenScan after = vlrna::ScanAutogenDescriptions(patched);
  Check(after.result == vlrna::AutogenScan::Result::kScanned);
  Check(after.markers == 1);
  Check(after.end_bytes == scan.end_bytes);
  Check(vlrna::PatchLayoutProblem(after, patched.size()).empty());
  return 0;
}
