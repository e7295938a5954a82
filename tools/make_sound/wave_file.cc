#include "make_sound/wave_file.h"

#include "tool_io/tool_io.h"

namespace vlrna {

std::string EncodeWave16(const std::vector<std::int16_t>& samples, std::uint32_t sample_rate) {
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBytesPerSample = 2;
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  std::string out;
  out.reserve(44 + data_bytes);
  out += "RIFF";
  PutLittleEndian32(out, 36 + data_bytes);
  out += "WAVEfmt ";
  PutLittleEndian32(out, 16);
  PutLittleEndian16(out, 1);  // PCM
  PutLittleEndian16(out, kChannels);
  PutLittleEndian32(out, sample_rate);
  PutLittleEndian32(out, sample_rate * kChannels * kBytesPerSample);  // bytes a second
  PutLittleEndian16(out, kChannels * kBytesPerSample);                // block align
  PutLittleEndian16(out, 16);                                         // bits per sample
  out += "data";
  PutLittleEndian32(out, data_bytes);
  for (std::int16_t sample : samples) PutLittleEndian16(out, static_cast<std::uint16_t>(sample));
  return out;
}

}  // namespace vlrna
