// make_pictures: paints the wizard's four background pictures into a folder.
//   make_pictures FOLDER
// writes vlrna_1024.bmp, vlrna_1280.bmp, vlrna_1680.bmp and vlrna_1920.bmp,
// each the size of a common screen of that width.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "make_pictures/bmp_image.h"
#include "make_pictures/landscape.h"
#include "tool_io/tool_io.h"

namespace {

struct Picture {
  const char* name;
  int width;
  int height;
};

constexpr Picture kPictures[] = {{"vlrna_1024.bmp", 1024, 768},
                                 {"vlrna_1280.bmp", 1280, 800},
                                 {"vlrna_1680.bmp", 1680, 1050},
                                 {"vlrna_1920.bmp", 1920, 1080}};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_pictures FOLDER\n";
    return 2;
  }
  for (const Picture& picture : kPictures) {
    const std::string path = std::string(argv[1]) + "/" + picture.name;
    const vlrna::RgbImage image = vlrna::DrawLandscape(picture.width, picture.height);
    if (!vlrna::WriteFileReplacing(path, vlrna::EncodeBmp24(image))) {
      std::cerr << path << ": cannot be written\n";
      return 1;
    }
  }
  return 0;
}
