// vlrna-pack CONTENT OUT [--aes] [--verify]
//
// The package author's tool: turns the nine content folders setup.101 ...
// setup.105 and setup.201 ... setup.204 of CONTENT into the nine encrypted
// archives of the installation set in OUT.

#include <unistd.h>

#include <cstring>
#include <iostream>

#include "tools/pack/packer.h"

int main(int argc, char** argv) {
  vlrna::PackOptions options;
  std::vector<std::string> folders;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--aes") == 0) {
      options.encryption = vlrna::ZipEncryption::kAes256;
    } else if (std::strcmp(argv[i], "--verify") == 0) {
      options.verify = true;
    } else if (argv[i][0] == '-') {
      folders.clear();
      break;
    } else {
      folders.push_back(argv[i]);
    }
  }
  if (folders.size() != 2) {
    std::cerr << "usage: vlrna-pack CONTENT OUT [--aes] [--verify]\n"
                 "  CONTENT holds the folders setup.101 ... setup.105, setup.201 ... setup.204;\n"
                 "  the nine archives are written to OUT, each encrypted with its password\n"
                 "  (traditional zip encryption, or AES-256 with --aes). --verify reads every\n"
                 "  archive back and compares it with its content.\n";
    return 2;
  }
  options.content = folders[0];
  options.out = folders[1];
  options.live_progress = isatty(STDOUT_FILENO) != 0;
  return vlrna::Pack(options, std::cout, std::cerr);
}
