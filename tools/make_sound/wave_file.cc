#include "make_sound/wave_file.h"

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

std::string EncodeWave16(const std::vector<std::int16_t>& samples, std::uint32_t sample_rate) {
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBytesPerSample = 2;
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  std::string out;
  out.reserve(44 + data_bytes);
  out += "RIFF";
  Put32(out, 36 + data_bytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, kChannels);
  Put32(out, sample_rate);
  Put32(out, sample_rate * kChannels * kBytesPerSample);  // bytes a second
  Put16(out, kChannels * kBytesPerSample);                // block align
  Put16(out, 16);                                         // bits per sample
  out += "data";
  Put32(out, data_bytes);
  for (std::int16_t sample : samples) Put16(out, static_cast<std::uint16_t>(sample));
  return out;
}

}  // namespace vlrna
