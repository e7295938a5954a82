#ifndef VLRNA_TOOLS_MAKE_SOUND_CHIME_H_
#define VLRNA_TOOLS_MAKE_SOUND_CHIME_H_

#include <cstdint>
#include <vector>

namespace vlrna {

inline constexpr std::uint32_t kChimeSampleRate = 44100;

// The wizard's start sound: three soft bell notes rising (G5, C6, E6) that
// ring out within about 1.2 seconds. One channel at kChimeSampleRate; it
// starts and ends at silence, so it plays without a click, and peaks at
// half of full scale.
std::vector<std::int16_t> SynthesizeChime();

}  // namespace vlrna

#endif  // VLRNA_TOOLS_MAKE_SOUND_CHIME_H_
