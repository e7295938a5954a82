#ifndef VLRNA_PLATFORM_POSIX_POSIX_SOUND_H_
#define VLRNA_PLATFORM_POSIX_POSIX_SOUND_H_

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

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_POSIX_POSIX_SOUND_H_
