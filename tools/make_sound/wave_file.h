#ifndef VLRNA_TOOLS_MAKE_SOUND_WAVE_FILE_H_
#define VLRNA_TOOLS_MAKE_SOUND_WAVE_FILE_H_

#include <cstdint>
#include <string>
#include <vector>

namespace vlrna {

// The bytes of a RIFF WAVE file holding `samples` as 16-bit PCM, one channel,
// at `sample_rate` samples a second: the "fmt " chunk (16 bytes) and the
// "data" chunk, nothing else, as every Windows sound call plays it.
std::string EncodeWave16(const std::vector<std::int16_t>& samples, std::uint32_t sample_rate);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_MAKE_SOUND_WAVE_FILE_H_
