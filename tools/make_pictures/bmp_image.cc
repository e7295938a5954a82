#include "make_pictures/bmp_image.h"

#include "tool_io/tool_io.h"

namespace vlrna {

std::string EncodeBmp24(const RgbImage& image) {
  constexpr std::uint32_t kHeaderBytes = 14 + 40;
  constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch
  const std::uint32_t row_bytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixel_bytes = row_bytes * static_cast<std::uint32_t>(image.height);
  std::string out;
  out.reserve(kHeaderBytes + pixel_bytes);
  out += "BM";
  PutLittleEndian32(out, kHeaderBytes + pixel_bytes);
  PutLittleEndian32(out, 0);  // reserved
  PutLittleEndian32(out, kHeaderBytes);
  PutLittleEndian32(out, 40);  // BITMAPINFOHEADER
  PutLittleEndian32(out, static_cast<std::uint32_t>(image.width));
  PutLittleEndian32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom row first
  PutLittleEndian16(out, 1);                                         // planes
  PutLittleEndian16(out, 24);                                        // bits per pixel
  PutLittleEndian32(out, 0);                                         // BI_RGB, uncompressed
  PutLittleEndian32(out, pixel_bytes);
  PutLittleEndian32(out, kPixelsPerMetre);
  PutLittleEndian32(out, kPixelsPerMetre);
  PutLittleEndian32(out, 0);  // colours used
  PutLittleEndian32(out, 0);  // important colours
  const std::size_t padding = row_bytes - static_cast<std::size_t>(image.width) * 3;
  for (int y = image.height - 1; y >= 0; --y) {
    const std::uint8_t* row = image.rgb.data() + static_cast<std::size_t>(y) * image.width * 3;
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* pixel = row + static_cast<std::size_t>(x) * 3;
      out += static_cast<char>(pixel[2]);
      out += static_cast<char>(pixel[1]);
      out += static_cast<char>(pixel[0]);
    }
    out.append(padding, '\0');
  }
  return out;
}

}  // namespace vlrna
