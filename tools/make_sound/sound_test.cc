#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "make_sound/chime.h"
#include "make_sound/wave_file.h"

namespace vlrna {
namespace {

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

TEST(WaveFileTest, WritesPcmHeaderAndLittleEndianSamples) {
  const std::string wave = EncodeWave16({1, -2, 0x1234}, 22050);
  ASSERT_EQ(wave.size(), 44u + 6);
  EXPECT_EQ(wave.substr(0, 4), "RIFF");
  EXPECT_EQ(Read32(wave, 4), wave.size() - 8);
  EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(Read32(wave, 16), 16u);
  EXPECT_EQ(Read32(wave, 20), 1u | (1u << 16));  // PCM, one channel
  EXPECT_EQ(Read32(wave, 24), 22050u);
  EXPECT_EQ(Read32(wave, 28), 44100u);            // bytes a second
  EXPECT_EQ(Read32(wave, 32), 2u | (16u << 16));  // block align 2, 16 bits
  EXPECT_EQ(wave.substr(36, 4), "data");
  EXPECT_EQ(Read32(wave, 40), 6u);
  EXPECT_EQ(wave.substr(44), std::string("\x01\x00\xFE\xFF\x34\x12", 6));
}

TEST(ChimeTest, IsAboutASecondSoftAndFreeOfClicks) {
  const std::vector<std::int16_t> chime = SynthesizeChime();
  EXPECT_GE(chime.size(), kChimeSampleRate * 9 / 10);
  EXPECT_LE(chime.size(), kChimeSampleRate * 3 / 2);
  int peak = 0;
  for (std::int16_t sample : chime) peak = std::max(peak, std::abs(static_cast<int>(sample)));
  EXPECT_NEAR(peak, 16384, 2);  // half of full scale, never clipped
  // Silence at both ends: a jump there would click in the speakers.
  for (std::size_t i = 0; i < 20; ++i) {
    EXPECT_LT(std::abs(chime[i]), 1500) << i;
    EXPECT_LT(std::abs(chime[chime.size() - 1 - i]), 100) << i;
  }
}

}  // namespace
}  // namespace vlrna
