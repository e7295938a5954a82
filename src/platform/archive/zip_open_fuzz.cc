// libFuzzer target: any bytes opened and unpacked as an archive of the set.
// The zip library must fail cleanly or unpack below its scratch folder.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/archive/archive_zip.h"
#include "platform/single_byte_code_page.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Scratch() {
  static const fs::path scratch =
      fs::temp_directory_path() / ("vlrna_zip_fuzz." + std::to_string(getpid()));
  return scratch;
}

// A: is the input archive, B:\ the scratch folder.
std::string Map(const std::string& windows) {
  if (windows == "A:\\setup.101") return (Scratch() / "setup.101").string();
  if (!windows.starts_with("B:\\")) return "";
  std::string rest = windows.substr(3);
  for (char& c : rest) c = c == '\\' ? '/' : c;
  return (Scratch() / "out" / rest).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fs::create_directories(Scratch());
  {
    std::ofstream archive(Scratch() / "setup.101", std::ios::binary | std::ios::trunc);
    archive.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  vlrna::ArchiveZip zip({Map, vlrna::Windows1252(), 1});
  if (zip.zOpenZipFile("A:\\setup.101") == 0) {
    zip.zGetTotalBytes();
    zip.zExtractAll("B:\\vlrna\\..\\", "B57A1CF7", 1, 1, 0, [&] {
      uint64_t entries = 0, bytes = 0;
      zip.zGetRunTimeInfo(entries, bytes);
    });
    zip.zGetLastErrorAsText();
    zip.zCloseZipFile();
  }
  std::error_code ignored;
  fs::remove_all(Scratch() / "out", ignored);
  return 0;
}
