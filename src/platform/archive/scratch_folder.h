#ifndef VLRNA_PLATFORM_ARCHIVE_SCRATCH_FOLDER_H_
#define VLRNA_PLATFORM_ARCHIVE_SCRATCH_FOLDER_H_

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/ansi_code_page.h"

namespace vlrna {

// A folder of its own below the system's temporary folder, for a test:
// removed with everything in it when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::string_view tag) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = std::filesystem::temp_directory_path() /
              ("vlrna_" + std::string(tag) + "_" + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(path_, error)) return;
    }
    path_.clear();
  }
  ~ScratchFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The native path, as the archive layer takes it, of `relative` below the
  // folder: 8-bit text in `code_page` with '\' between its parts. Linux
  // names are UTF-8 with '/'; Windows takes the 8-bit text as it is.
  std::string Native(std::string_view relative, const AnsiCodePage& code_page) const {
#ifdef _WIN32
    (void)code_page;
    return path_.string() + "\\" + std::string(relative);
#else
    std::string rest(relative);
    for (char& c : rest) c = c == '\\' ? '/' : c;
    return path_.string() + "/" + code_page.AnsiToUtf8(rest);
#endif
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_SCRATCH_FOLDER_H_
