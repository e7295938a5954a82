#include "make_pictures/bmp_image.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vlrna {
namespace {

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

TEST(BmpImageTest, WritesHeadersAndBottomUpBgrRowsPaddedToFourBytes) {
  RgbImage image(3, 2);  // 9 bytes a row, padded to 12
  for (std::size_t i = 0; i < image.rgb.size(); ++i)
    image.rgb[i] = static_cast<std::uint8_t>(i + 1);
  const std::string bmp = EncodeBmp24(image);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(Read32(bmp, 2), bmp.size());  // file size
  EXPECT_EQ(Read32(bmp, 10), 54u);        // pixel data offset
  EXPECT_EQ(Read32(bmp, 14), 40u);        // info header size
  EXPECT_EQ(Read32(bmp, 18), 3u);
  EXPECT_EQ(Read32(bmp, 22), 2u);
  EXPECT_EQ(Read32(bmp, 26), 1u | (24u << 16));  // one plane, 24 bits
  EXPECT_EQ(Read32(bmp, 30), 0u);                // uncompressed
  EXPECT_EQ(Read32(bmp, 34), 24u);               // pixel bytes
  // The file starts with the picture's bottom row (pixels 10..18), blue first.
  EXPECT_EQ(bmp.substr(54, 12), std::string("\x0C\x0B\x0A\x0F\x0E\x0D\x12\x11\x10\0\0\0", 12));
  EXPECT_EQ(bmp.substr(66, 3), "\x03\x02\x01");
}

TEST(BmpImageTest, RowsOfAWidthDivisibleByFourNeedNoPadding) {
  const std::string bmp = EncodeBmp24(RgbImage(4, 3));
  EXPECT_EQ(bmp.size(), 54u + 3 * 12);
}

}  // namespace
}  // namespace vlrna
