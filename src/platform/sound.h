#ifndef VLRNA_PLATFORM_SOUND_H_
#define VLRNA_PLATFORM_SOUND_H_

#include <string>

namespace vlrna {

// Sound output. Failures are silent: a machine without sound is no error.
class Sound {
 public:
  virtual ~Sound() = default;

  // Starts playing a .wav file once and returns at once.
  virtual void PlayAsync(const std::string& wav_path) = 0;

  // Stops what PlayAsync started.
  virtual void Stop() = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_SOUND_H_
