// libFuzzer target: the INI reader and writer. Any bytes must come back
// unchanged when nothing is edited, and a value written must read back.
//
// Input: three names of at most 32 bytes each, then the file:
//   [section length][key length][value length] section key value file...

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/single_byte_code_page.h"
#include "simconfig/ini_document.h"

namespace {

std::string_view Trim(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// What a read gives for a value that was written.
std::string AsRead(std::string_view value) {
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.size() < 3) return 0;
  size_t lengths[3] = {input[0] % 33u, input[1] % 33u, input[2] % 33u};
  input.remove_prefix(3);
  std::string_view parts[3];
  for (int i = 0; i < 3; ++i) {
    parts[i] = input.substr(0, lengths[i]);
    input.remove_prefix(parts[i].size());
  }
  vlrna::IniDocument document = vlrna::IniDocument::Parse(input, vlrna::Windows1252());
  Check(document.Bytes() == input);
  (void)document.Find(parts[0], parts[1]);

  if (!vlrna::IsSafeIniSection(parts[0]) || !vlrna::IsSafeIniKey(parts[1]) ||
      !vlrna::IsSafeIniValue(parts[2])) {
    return 0;
  }
  document.Set(parts[0], parts[1], parts[2]);
  vlrna::IniDocument again = vlrna::IniDocument::Parse(document.Bytes(), vlrna::Windows1252());
  Check(again.encoding() == document.encoding());
  Check(again.Bytes() == document.Bytes());
  Check(again.Find(parts[0], parts[1]) == AsRead(parts[2]));
  return 0;
}
