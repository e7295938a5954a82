#ifndef VLRNA_PLATFORM_ARCHIVE_ARCHIVE_ZIP_FIXTURE_H_
#define VLRNA_PLATFORM_ARCHIVE_ARCHIVE_ZIP_FIXTURE_H_

// The scratch machine and the archive makers of the zip library's tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "platform/archive/archive_zip.h"
#include "platform/archive/scratch_folder.h"
#include "platform/archive/zip_builder.h"
#include "platform/ascii_case.h"
#include "platform/single_byte_code_page.h"

namespace vlrna {

namespace fs = std::filesystem;

// A scratch machine: Windows drive X: is the folder root/x.
class ArchiveZipTest : public ::testing::Test {
 protected:
  ArchiveZipTest() : scratch_("zip"), root_(scratch_.path()) {
    fs::create_directories(root_ / "c");
    fs::create_directories(root_ / "d");
  }

  std::string Map(const std::string& windows, const AnsiCodePage& code_page = Windows1252()) const {
    if (windows.size() < 2 || windows[1] != ':') return "";
    return scratch_.Native(std::string(1, AsciiLower(windows[0])) + windows.substr(2), code_page);
  }

  ArchiveZip MakeZip(int workers = 2) {
    return ArchiveZip(
        {[this](const std::string& path) { return Map(path); }, Windows1252(), workers});
  }

  // Makes D:\<name> with `fill` adding the entries.
  void Build(const std::string& name, ZipBuilder::Options options,
             const std::function<void(ZipBuilder&)>& fill) {
    ZipBuilder builder;
    ASSERT_TRUE(builder.Open(Map("D:\\" + name), options)) << builder.error();
    fill(builder);
    ASSERT_TRUE(builder.Close()) << builder.error();
  }

  std::string Read(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // A native path as Map gives it. On Windows a path object would read its
  // 8-bit text in another code page than the system's.
  std::string Read(const std::string& native) const {
    std::ifstream in(native.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Every path below the scratch root, for "nothing was written" checks.
  std::set<std::string> Tree() const {
    std::set<std::string> paths;
    for (const auto& item : fs::recursive_directory_iterator(root_)) {
      paths.insert(item.path().string());
    }
    return paths;
  }

  ScratchFolder scratch_;
  fs::path root_;
};

inline ZipBuilder::Options Encrypted(ZipEncryption encryption, std::string password = "B57A1CF7") {
  ZipBuilder::Options options;
  options.encryption = encryption;
  options.password = std::move(password);
  return options;
}

inline std::string Pattern(size_t size, unsigned seed) {
  std::string text(size, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (char& c : text) {
    x = x * 1103515245u + 12345u;
    c = static_cast<char>(x >> 24);
  }
  return text;
}

}  // namespace vlrna

#endif  // VLRNA_PLATFORM_ARCHIVE_ARCHIVE_ZIP_FIXTURE_H_
