#include "tools/crash-test/extract_scenario.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

#include "platform/archive/zip_builder.h"

namespace vlrna {
namespace {

namespace fs = std::filesystem;

constexpr char kPassword[] = "B57A1CF7";
constexpr int kFiles = 36;

std::string Bytes(size_t size, unsigned seed) {
  std::string text(size, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (size_t i = 0; i < size; ++i) {
    x = x * 1103515245u + 12345u;
    // Runs of one byte here and there, so that deflate has work to do.
    text[i] = (i / 512) % 3 == 0 ? static_cast<char>(seed) : static_cast<char>(x >> 24);
  }
  return text;
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class ExtractScenario : public CrashScenario {
 public:
  explicit ExtractScenario(std::string unpack) : unpack_(std::move(unpack)) {
    std::string pattern = (fs::temp_directory_path() / "vlrna_crash_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    root_ = pattern;
    ZipBuilder::Options options;
    options.encryption = ZipEncryption::kTraditional;
    options.password = kPassword;
    ZipBuilder zip;
    if (!zip.Open((root_ / "setup.201").string(), options)) throw std::runtime_error(zip.error());
    for (int i = 0; i < kFiles; ++i) {
      const std::string name =
          "vlrna/" + std::string(i % 2 ? "tiles/" : "dem/") + std::to_string(i) + ".bgl";
      const size_t size = 4096 + (static_cast<size_t>(i) * 7919 * 97) % (1 << 20);
      archived_[name] = Bytes(size, static_cast<unsigned>(i));
      if (i % 3 == 0) earlier_[name] = Bytes(size / 2 + 1, static_cast<unsigned>(i + 1000));
      if (!zip.AddFile(name, archived_[name])) throw std::runtime_error(zip.error());
    }
    if (!zip.Close()) throw std::runtime_error(zip.error());
    own_ = {{"readme.txt", "the user's own"}, {"vlrna/tiles/mine.bgl", Bytes(3000, 77)}};
  }
  ~ExtractScenario() override { fs::remove_all(root_); }

  void Reset() override {
    fs::remove_all(root_ / "dest");
    for (const auto& [name, bytes] : earlier_) Write(root_ / "dest" / name, bytes);
    for (const auto& [name, bytes] : own_) Write(root_ / "dest" / name, bytes);
  }

  std::vector<std::string> Command() const override {
    return {unpack_, (root_ / "dest").string(), (root_ / "setup.201").string(), kPassword};
  }

  std::string TakeFinalState() override { return Check(true); }

  std::string Check(bool rerun) const override {
    for (const auto& [name, bytes] : archived_) {
      const fs::path path = root_ / "dest" / name;
      const auto earlier = earlier_.find(name);
      const bool old_state =
          earlier == earlier_.end() ? !fs::exists(path) : Read(path) == earlier->second;
      if (Read(path) != bytes && (rerun || !old_state)) return name + " damaged";
    }
    for (const auto& [name, bytes] : own_) {
      if (Read(root_ / "dest" / name) != bytes) return "the user's " + name + " changed";
    }
    std::set<std::string> top;
    for (const auto& item : fs::directory_iterator(root_)) {
      top.insert(item.path().filename().string());
    }
    if (top != std::set<std::string>{"dest", "setup.201"}) return "wrote outside the destination";
    if (rerun) {
      for (const auto& item : fs::recursive_directory_iterator(root_ / "dest")) {
        const std::string name = item.path().filename().string();
        if (name.find(".vlrna-") != std::string::npos) return "left " + name;
      }
    }
    return "";
  }

 private:
  std::string unpack_;
  fs::path root_;
  std::map<std::string, std::string> archived_, earlier_, own_;
};

}  // namespace

std::unique_ptr<CrashScenario> MakeExtractScenario(const std::string& unpack) {
  return std::make_unique<ExtractScenario>(unpack);
}

}  // namespace vlrna
