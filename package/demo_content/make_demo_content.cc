// make_demo_content FOLDER
//
// Writes a tiny synthetic scenery package into FOLDER: the nine content
// folders setup.101 ... setup.204 that vlrna-pack turns into the demo
// installation medium. The package folder parts hold a few small files each
// under vlrna\; setup.105 holds items for the simulator's own folder. Contents
// and times are the same on every run, so the demo archives are too.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Noise like aerial imagery: barely compressible.
std::string Noise(size_t size, uint32_t seed) {
  std::string bytes(size, '\0');
  uint32_t x = seed * 2654435761u + 7;
  for (char& c : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x);
  }
  return bytes;
}

std::string Text(const std::string& title, int lines) {
  std::string text = "; " + title + "\r\n";
  for (int i = 1; i <= lines; ++i) text += "item" + std::to_string(i) + "=" + title + "\r\n";
  return text;
}

bool Write(const fs::path& path, const std::string& content) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  out.close();
  // A fixed time: 2019-06-01 12:00 UTC.
  std::error_code ignored;
  fs::last_write_time(path,
                      fs::file_time_type::clock::from_sys(
                          std::chrono::sys_seconds(std::chrono::seconds(1559390400))),
                      ignored);
  return static_cast<bool>(out);
}

struct Part {
  const char* archive;
  std::vector<const char*> folders;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_demo_content FOLDER\n";
    return 2;
  }
  const fs::path root = argv[1];
  const std::vector<Part> parts = {
      {"setup.101", {"dem", "ortho"}},     {"setup.102", {"ortho", "objects"}},
      {"setup.103", {"airports", "zzqa"}}, {"setup.104", {"zzqb", "dem"}},
      {"setup.201", {"ortho", "objects"}}, {"setup.202", {"airports", "zzqa"}},
      {"setup.203", {"zzqb", "ortho"}},    {"setup.204", {"dem", "objects"}},
  };
  bool ok = true;
  uint32_t seed = 1;
  for (const Part& part : parts) {
    std::string disc = std::string(part.archive).substr(6);
    for (const char* folder : part.folders) {
      fs::path base = root / part.archive / "vlrna" / folder;
      for (int tile = 0; tile < 3; ++tile) {
        std::string name = std::string(folder) + "_" + disc + "_" + std::to_string(tile);
        ok &= Write(base / "scenery" / (name + ".bgl"), Noise(24 * 1024 + tile * 7000, seed++));
        ok &= Write(base / "texture" / (name + ".dds"), Noise(16 * 1024, seed++));
      }
      ok &= Write(base / (std::string(folder) + "_" + disc + ".txt"),
                  Text(std::string("vlrna ") + folder + " " + disc, 40));
    }
  }
  fs::path sim = root / "setup.105";
  ok &= Write(sim / "Autogen" / "vlrna_trees.agn", Noise(12 * 1024, seed++));
  ok &= Write(sim / "Autogen" / "vlrna_buildings.agn", Noise(12 * 1024, seed++));
  ok &= Write(sim / "Effects" / "fx_vlrna_beacon.fx", Text("vlrna beacon", 30));
  ok &= Write(sim / "Effects" / "Texture" / "fx_vlrna_beacon.bmp", Noise(4 * 1024, seed++));
  if (!ok) {
    std::cerr << "make_demo_content: cannot write below " << root.string() << "\n";
    return 1;
  }
  return 0;
}
