#ifndef VLRNA_PLATFORM_POSIX_POSIX_SOUND_H_
#define VLRNA_PLATFORM_POSIX_POSIX_SOUND_H_

#include <string>

#include "platform/posix/wine_prefix.h"
#include "platform/sound.h"

struct ca_context;

namespace vlrna {

// Sound through libcanberra (the desktop's sound server). A machine without
// a sound device, or a file that cannot be played, stays silent.
class PosixSound : public Sound {
 public:
  explicit PosixSound(const WinePrefix& prefix);
  ~PosixSound() override;
  PosixSound(const PosixSound&) = delete;
  PosixSound& operator=(const PosixSound&) = delete;

  // `wav_path` is a Windows path.
  void PlayAsync(const std::string& wav_path) override;
  void Stop() override;

 private:
  const WinePrefix& prefix_;
  ca_context* context_ = nullptr;
  bool tried_ = false;  // the context is made on first use, once
};

// Whether the machine has somewhere to send sound: a sound server's socket
// in `runtime_dir` (PulseAudio, PipeWire), a server named by `pulse_server`,
// or a PCM device in `dev_snd`. Without one the sound libraries only print
// complaints, so the wizard stays silent instead.
bool SoundOutputPresent(const std::string& dev_snd, const std::string& runtime_dir,
                        const std::string& pulse_server);

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_SOUND_H_
