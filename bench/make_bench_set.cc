// make_bench_set FOLDER SCALE SEED
//
// Writes a seeded synthetic scenery package like real photo scenery into the
// nine content folders FOLDER/setup.101 ... setup.204: large, poorly
// compressible tiles of 1 to 64 MiB (91 of them at scale 1) and small text
// files (about 3,500 at scale 1). Deflate packs the whole to about 0.88 of
// its size. Used by the benchmarks, through bench/synthetic_set.sh.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Random {
  uint64_t state;
  uint64_t Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
};

const char* const kParts[] = {"setup.101", "setup.102", "setup.103", "setup.104",
                              "setup.201", "setup.202", "setup.203", "setup.204"};
const char* const kFolders[] = {"dem", "ortho", "objects", "airports", "zzqa", "zzqb"};

// Noise with a run of zeros in every 4 KiB block: deflate gets it to ~0.87.
void WriteTile(const fs::path& path, uint64_t size, Random& random) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  std::vector<uint64_t> block(512);
  for (uint64_t done = 0; done < size;) {
    for (uint64_t& word : block) word = random.Next();
    std::fill(block.begin(), block.begin() + 64, 0);
    uint64_t count = std::min<uint64_t>(size - done, 4096);
    out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(count));
    done += count;
  }
}

void WriteText(const fs::path& path, uint64_t lines, Random& random) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  for (uint64_t i = 0; i < lines; ++i) {
    out << "Texture." << i << "=tile_" << random.Next() % 100000 << ".dds," << random.Next() % 1000
        << "," << random.Next() % 1000 << "\r\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_bench_set FOLDER SCALE SEED\n");
    return 2;
  }
  const fs::path root = argv[1];
  const double scale = std::atof(argv[2]);
  Random random{std::strtoull(argv[3], nullptr, 10) * 0x9E3779B97F4A7C15ull + 1};
  const int tiles = std::max(1, static_cast<int>(std::lround(91 * scale)));
  const int texts = std::max(9, static_cast<int>(std::lround(3500 * scale)));
  for (int i = 0; i < tiles; ++i) {
    // Sizes spread evenly on a log scale between 1 and 64 MiB.
    double mib = std::exp(random.Unit() * std::log(64.0));
    fs::path path = root / kParts[i % 8] / "vlrna" / kFolders[i % 6] / "scenery" /
                    ("tile_" + std::to_string(i) + ".bgl");
    WriteTile(path, static_cast<uint64_t>(mib * 1048576), random);
  }
  for (int i = 0; i < texts; ++i) {
    fs::path path =
        i % 50 == 0 ? root / "setup.105" / "Effects" / ("fx_" + std::to_string(i) + ".fx")
                    : root / kParts[i % 8] / "vlrna" / kFolders[i % 6] / "texture" /
                          ("t" + std::to_string(i / 48)) / ("info_" + std::to_string(i) + ".txt");
    WriteText(path, 20 + random.Next() % 400, random);
  }
  return 0;
}
