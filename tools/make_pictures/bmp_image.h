#ifndef VLRNA_TOOLS_MAKE_PICTURES_BMP_IMAGE_H_
#define VLRNA_TOOLS_MAKE_PICTURES_BMP_IMAGE_H_

#include <cstdint>
#include <string>
#include <vector>

namespace vlrna {

// A picture in memory: rows from the top, three bytes (red, green, blue) per
// pixel.
struct RgbImage {
  RgbImage(int width, int height)
      : width(width), height(height), rgb(static_cast<std::size_t>(width) * height * 3) {}
  int width;
  int height;
  std::vector<std::uint8_t> rgb;
};

// The bytes of a Windows bitmap file holding `image`: an uncompressed 24-bit
// bottom-up BMP with a BITMAPINFOHEADER, every row padded to four bytes,
// 96 dots per inch.
std::string EncodeBmp24(const RgbImage& image);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_MAKE_PICTURES_BMP_IMAGE_H_
