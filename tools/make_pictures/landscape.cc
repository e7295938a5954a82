#include "make_pictures/landscape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace vlrna {
namespace {

struct Colour {
  float r, g, b;
};

Colour Mix(Colour a, Colour b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, float f) { return {c.r * f, c.g * f, c.b * f}; }

float SmoothStep(float edge0, float edge1, float x) {
  const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x27D4EB2Du ^
                    static_cast<std::uint32_t>(y) * 0x165667B1u ^ seed * 0x9E3779B9u;
  h ^= h >> 15;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  return h ^ (h >> 16);
}

float Unit(std::uint32_t h) { return static_cast<float>(h & 0xFFFFFF) / 16777215.0f; }

// Smoothly interpolated lattice noise in [0, 1].
float Noise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x), fy = std::floor(y);
  const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
  const float tx = SmoothStep(0, 1, x - fx), ty = SmoothStep(0, 1, y - fy);
  const float top = Unit(Hash(ix, iy, seed)) * (1 - tx) + Unit(Hash(ix + 1, iy, seed)) * tx;
  const float bottom =
      Unit(Hash(ix, iy + 1, seed)) * (1 - tx) + Unit(Hash(ix + 1, iy + 1, seed)) * tx;
  return top * (1 - ty) + bottom * ty;
}

float Fractal(float x, float y, int octaves, std::uint32_t seed) {
  float sum = 0, amplitude = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += Noise(x, y, seed + i) * amplitude;
    norm += amplitude;
    x *= 2.03f, y *= 2.03f, amplitude *= 0.5f;
  }
  return sum / norm;
}

constexpr float kHorizon = 0.34f;  // from the top, in picture heights
constexpr float kCamera = 0.25f;   // height of the eye above the ground
constexpr Colour kSkyTop{58, 106, 168};
constexpr Colour kHaze{206, 216, 222};
constexpr Colour kAverageGround{128, 134, 86};
constexpr Colour kHedge{60, 80, 44};
constexpr Colour kWood{50, 72, 40};
constexpr Colour kWater{70, 98, 110};
constexpr Colour kRoad{172, 166, 152};
constexpr std::array<Colour, 7> kFields = {{{104, 128, 62},
                                            {134, 150, 80},
                                            {178, 162, 98},
                                            {150, 120, 84},
                                            {118, 138, 70},
                                            {190, 178, 122},
                                            {88, 112, 58}}};

Colour Sky(float px, float py) {
  const float t = std::pow(py / kHorizon, 0.7f);
  Colour sky = Mix(kSkyTop, kHaze, t);
  const float cloud = SmoothStep(0.55f, 0.8f, Fractal(px * 2.5f, py * 11, 5, 11));
  sky = Mix(sky, Colour{238, 240, 242}, cloud * 0.45f * (1 - t * 0.6f));
  const float dx = px - 0.45f, dy = py - 0.1f;
  const float glow = std::exp(-(dx * dx + dy * dy) / 0.06f);
  return Mix(sky, Colour{255, 238, 206}, glow * 0.35f);
}

// One field of the patchwork, its hedges included. `detail` fades small
// structure out where a pixel covers more ground than it can show.
Colour Field(float gx, float gz, float footprint, float detail) {
  const float wx = gx + 0.05f * (Noise(gz * 3, gx * 3, 3) - 0.5f);
  const float wz = gz + 0.04f * (Noise(gx * 3, gz * 3, 4) - 0.5f);
  constexpr float kDepth = 0.09f;
  const float row = std::floor(wz / kDepth);
  const auto row_index = static_cast<std::int32_t>(row);
  const float kWidth = 0.13f * (0.6f + 0.8f * Unit(Hash(row_index, 1, 5)));
  const float shift = Unit(Hash(row_index, 0, 5)) * kWidth;
  const float column = std::floor((wx + shift) / kWidth);
  const std::uint32_t h =
      Hash(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row), 6);
  Colour field = Scale(kFields[h % kFields.size()], 0.9f + 0.2f * Unit(h >> 8));
  const float u = (wx + shift) / kWidth - column, v = wz / kDepth - row;
  const float furrows = std::sin(((h & 0x100) ? u : v) * 6.2832f * 14) * 0.05f;
  const float grain = (Noise(gx * 45, gz * 45, 7) - 0.5f) * 0.18f;
  field = Scale(field, 1 + (furrows + grain) * detail);
  const float edge = std::min(std::min(u, 1 - u) * kWidth, std::min(v, 1 - v) * kDepth);
  const float hedge = 1 - SmoothStep(0.0025f, 0.0025f + std::max(footprint, 0.003f), edge);
  return Mix(field, kHedge, hedge * 0.75f * detail);
}

Colour Ground(float px, float depth_below_horizon, float height) {
  const float z = kCamera / depth_below_horizon;
  const float footprint = kCamera / (depth_below_horizon * depth_below_horizon) / height;
  const float detail = 1 - SmoothStep(0.004f, 0.03f, footprint);
  const float wx = px * z * 1.6f;
  const float gx = wx * 0.94f - z * 0.34f, gz = wx * 0.34f + z * 0.94f;
  Colour ground = Mix(kAverageGround, Field(gx, gz, footprint, detail), detail);
  const float wood = SmoothStep(0.57f, 0.61f, Fractal(gx * 2.2f, gz * 2.2f, 4, 9));
  const Colour canopy = Scale(kWood, 0.8f + 0.45f * Noise(gx * 90, gz * 90, 10) * detail);
  ground = Mix(ground, canopy, wood);
  const float river = 0.25f * std::sin(gz * 1.7f) + 0.12f * std::sin(gz * 4.1f + 1.3f) + 0.05f;
  const float to_river = std::abs(gx - river), soft = std::max(footprint, 0.004f);
  ground = Mix(ground, kWood, (1 - SmoothStep(0.018f, 0.05f, to_river)) * 0.55f);
  const Colour water = Mix(kWater, Colour{150, 168, 178}, SmoothStep(0.5f, 6, z));
  ground = Mix(ground, water, 1 - SmoothStep(0.018f, 0.018f + soft, to_river));
  const float to_road = std::abs(gx + 0.6f - 0.08f * std::sin(gz * 0.9f));
  ground = Mix(ground, kRoad, (1 - SmoothStep(0.004f, 0.004f + soft, to_road)) * 0.8f);
  // Broad changes of tone, a little less colour than a map, afternoon light
  // from the right.
  ground = Scale(ground, 0.88f + 0.24f * Noise(gx * 0.8f, gz * 0.8f, 12) + 0.06f * px);
  const float grey = ground.r * 0.3f + ground.g * 0.59f + ground.b * 0.11f;
  ground = Mix(ground, Colour{grey, grey, grey}, 0.15f);
  return Mix(ground, Scale(kHaze, 0.96f), 1 - std::exp(-z * 0.09f));
}

std::uint8_t ToByte(float value, std::uint32_t dither) {
  const float noisy = value + Unit(dither) - 0.5f;  // hides banding in the sky
  return static_cast<std::uint8_t>(std::clamp(std::lround(noisy), 0L, 255L));
}

}  // namespace

RgbImage DrawLandscape(int width, int height) {
  RgbImage image(width, height);
  const float h = static_cast<float>(height);
  for (int y = 0; y < height; ++y) {
    const float py = (y + 0.5f) / h;
    for (int x = 0; x < width; ++x) {
      const float px = (x + 0.5f - width * 0.5f) / h;
      Colour c = py < kHorizon ? Sky(px, py) : Ground(px, py - kHorizon + 0.002f, h);
      const float nx = (x + 0.5f) / width * 2 - 1, ny = py * 2 - 1;
      c = Scale(c, 1 - 0.38f * std::pow((nx * nx + ny * ny) * 0.5f, 1.2f));
      std::uint8_t* pixel = image.rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
      pixel[0] = ToByte(c.r, Hash(x, y, 21));
      pixel[1] = ToByte(c.g, Hash(x, y, 22));
      pixel[2] = ToByte(c.b, Hash(x, y, 23));
    }
  }
  return image;
}

}  // namespace vlrna
