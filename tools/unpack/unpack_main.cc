// vlrna-unpack [--workers N] DEST ARCHIVE PASSWORD [ARCHIVE PASSWORD ...]
//
// Unpacks archives of the installation set into DEST with the installer's own
// zip library, one after the other as the wizard does, and prints the time
// and figures of each. For package authors checking a medium, and for the
// extraction benchmark.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/archive/archive_zip.h"
#include "platform/single_byte_code_page.h"

namespace {

#ifdef _WIN32
// Windows paths are this machine's own; relative ones are taken from the
// working folder.
std::string ToWindows(const std::string& native) {
  return std::filesystem::absolute(native).lexically_normal().string();
}

std::string ToNative(const std::string& windows) { return windows; }
#else
// This machine's paths, relative ones taken from the working folder, as
// Wine's Z: drive sees them, and back.
std::string ToWindows(const std::string& native) {
  std::string path = "Z:" + std::filesystem::absolute(native).lexically_normal().string();
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::string ToNative(const std::string& windows) {
  if (windows.size() < 2 || (windows[0] != 'Z' && windows[0] != 'z') || windows[1] != ':') {
    return "";
  }
  std::string native = vlrna::Windows1252().AnsiToUtf8(windows.substr(2));
  for (char& c : native) c = c == '\\' ? '/' : c;
  return native;
}
#endif

int Usage() {
  std::fprintf(stderr, "usage: vlrna-unpack [--workers N] DEST ARCHIVE PASSWORD [...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int workers = 0;
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--workers") == 0) {
    workers = std::atoi(argv[2]);
    first = 3;
  }
  if (argc - first < 3 || (argc - first) % 2 != 1) return Usage();
  vlrna::ArchiveZip zip({ToNative, vlrna::Windows1252(), workers});
  std::string dest = ToWindows(argv[first]);
  for (int i = first + 1; i + 1 < argc; i += 2) {
    std::string archive = ToWindows(argv[i]);
    auto start = std::chrono::steady_clock::now();
    if (zip.zOpenZipFile(archive) != 0 || zip.zExtractAll(dest, argv[i + 1], 1, 1, 0, {}) == 1) {
      std::fprintf(stderr, "vlrna-unpack: %s\n", zip.zGetLastErrorAsText().c_str());
      return 1;
    }
    uint64_t entries = 0, bytes = 0;
    zip.zGetRunTimeInfo(entries, bytes);
    zip.zCloseZipFile();
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %llu entries, %.1f MB in %.2f s\n", argv[i],
                static_cast<unsigned long long>(entries), static_cast<double>(bytes) / 1e6,
                seconds);
  }
  return 0;
}
