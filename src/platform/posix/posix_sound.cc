#include "platform/posix/posix_sound.h"

#include <canberra.h>

#include "platform/runtime_error.h"

namespace vlrna {
namespace {

const uint32_t kSoundId = 1;

}  // namespace

PosixSound::PosixSound(const WinePrefix& prefix) : prefix_(prefix) {}

PosixSound::~PosixSound() {
  if (context_ != nullptr) ca_context_destroy(context_);
}

void PosixSound::PlayAsync(const std::string& wav_path) {
  std::string file;
  try {
    file = prefix_.ToUnixPath(wav_path);
  } catch (const RuntimeError&) {
    return;
  }
  if (!tried_) {
    tried_ = true;
    if (ca_context_create(&context_) != CA_SUCCESS) {
      context_ = nullptr;
    } else {
      ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Veltrona Zozo Installation",
                              nullptr);
    }
  }
  if (context_ == nullptr) return;
  ca_context_cancel(context_, kSoundId);
  ca_context_play(context_, kSoundId, CA_PROP_MEDIA_FILENAME, file.c_str(), nullptr);
}

void PosixSound::Stop() {
  if (context_ != nullptr) ca_context_cancel(context_, kSoundId);
}

}  // namespace vlrna
