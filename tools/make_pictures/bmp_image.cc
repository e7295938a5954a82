#include "make_pictures/bmp_image.h"

namespace vlrna {
namespace {

void Put16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace

std::string EncodeBmp24(const RgbImage& image) {
  constexpr std::uint32_t kHeaderBytes = 14 + 40;
  constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch
  const std::uint32_t row_bytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixel_bytes = row_bytes * static_cast<std::uint32_t>(image.height);
  std::string out;
  out.reserve(kHeaderBytes + pixel_bytes);
  out += "BM";
  Put32(out, kHeaderBytes + pixel_bytes);
  Put32(out, 0);  // reserved
  Put32(out, kHeaderBytes);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, static_cast<std::uint32_t>(image.width));
  Put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom row first
  Put16(out, 1);                                         // planes
  Put16(out, 24);                                        // bits per pixel
  Put32(out, 0);                                         // BI_RGB, uncompressed
  Put32(out, pixel_bytes);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, 0);  // colours used
  Put32(out, 0);  // important colours
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
