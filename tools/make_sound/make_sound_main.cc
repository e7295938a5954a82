// make_sound: writes the wizard's start sound.
//   make_sound OUTPUT      (setup.wav)

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "make_sound/chime.h"
#include "make_sound/wave_file.h"
#include "tool_io/tool_io.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sound OUTPUT\n";
    return 2;
  }
  const std::string path = argv[1];
  const std::string bytes = vlrna::EncodeWave16(vlrna::SynthesizeChime(), vlrna::kChimeSampleRate);
  if (!vlrna::WriteFileReplacing(path, bytes)) {
    std::cerr << path << ": cannot be written\n";
    return 1;
  }
  return 0;
}
