#include "platform/posix/posix_sound.h"

#include <canberra.h>
#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>

#include "platform/runtime_error.h"

namespace vlrna {
namespace {

const uint32_t kSoundId = 1;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

bool SoundOutputPresent(const std::string& dev_snd, const std::string& runtime_dir,
                        const std::string& pulse_server) {
  if (!pulse_server.empty()) return true;
  struct stat st;
  for (const char* socket : {"/pulse/native", "/pipewire-0"}) {
    if (!runtime_dir.empty() && stat((runtime_dir + socket).c_str(), &st) == 0) return true;
  }
  bool pcm = false;
  if (DIR* dir = opendir(dev_snd.c_str())) {
    while (dirent* e = readdir(dir)) pcm = pcm || std::string(e->d_name).starts_with("pcm");
    closedir(dir);
  }
  return pcm;
}

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
    if (!SoundOutputPresent("/dev/snd", Env("XDG_RUNTIME_DIR"), Env("PULSE_SERVER")) ||
        ca_context_create(&context_) != CA_SUCCESS) {
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
