#include "platform/fake/fake_code_page.h"

#include <array>
#include <stdexcept>

namespace vlrna {
namespace {

std::array<char32_t, 256> Characters(std::u32string_view high_half) {
  if (high_half.size() != 128) throw std::invalid_argument("a code page's high half has 128 bytes");
  std::array<char32_t, 256> characters;
  for (size_t b = 0; b < 256; ++b) characters[b] = b < 128 ? b : high_half[b - 128];
  return characters;
}

}  // namespace

FakeCodePage::FakeCodePage(uint32_t number, std::u32string_view high_half)
    : SingleByteCodePage(number, Characters(high_half)) {}

}  // namespace vlrna
