#ifndef VLRNA_PLATFORM_FAKE_FAKE_CODE_PAGE_H_
#define VLRNA_PLATFORM_FAKE_FAKE_CODE_PAGE_H_

#include <cstdint>
#include <string_view>

#include "platform/single_byte_code_page.h"

namespace vlrna {

// The bytes 0x80 to 0xFF of Windows-1251 (Cyrillic), for tests of a machine
// that is not western; 0x98, unassigned, stands for its control character.
inline constexpr std::u32string_view kWindows1251HighHalf =
    U"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—\u0098™љ›њќћџ"
    U"\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї°±Ііґµ¶·ё№є»јЅѕї"
    U"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
    U"абвгдежзийклмнопрстуфхцчшщъыьэюя";

// The machine's code page in tests: Windows-1252 unless a test gives another
// single-byte one.
class FakeCodePage : public SingleByteCodePage {
 public:
  FakeCodePage() : SingleByteCodePage(Windows1252()) {}

  // The code page `number` whose bytes 0x80 to 0xFF are the 128 characters
  // of `high_half`, in order; the bytes below are ASCII.
  FakeCodePage(uint32_t number, std::u32string_view high_half);
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_FAKE_FAKE_CODE_PAGE_H_
