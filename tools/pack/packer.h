#ifndef VLRNA_TOOLS_PACK_PACKER_H_
#define VLRNA_TOOLS_PACK_PACKER_H_

#include <ostream>
#include <string>

#include "platform/archive/zip_builder.h"

namespace vlrna {

struct PackOptions {
  std::string content;  // folder with setup.101 ... setup.204
  std::string out;      // folder the nine archives go to
  ZipEncryption encryption = ZipEncryption::kTraditional;
  bool verify = false;
  bool live_progress = false;  // redraw one progress line (a terminal)
};

// Writes the nine archives of the installation set, each from the content
// folder of its name, encrypted with the password the wizard derives for it.
// Entries go in byte order of their paths, folders before what they hold, so
// the same content gives the same entry order. Each archive is written beside
// its final name and renamed when complete. With `verify`, every archive is
// read back and compared with its content. Reports progress and a summary on
// `out`, problems on `err`; returns the process exit code (0 when all went
// well).
int Pack(const PackOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_PACK_PACKER_H_
