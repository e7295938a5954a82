#ifndef VLRNA_INSTALL_OVERALL_PROGRESS_H_
#define VLRNA_INSTALL_OVERALL_PROGRESS_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vlrna {

// Where the whole installation set stands at one moment.
struct OverallFigures {
  uint64_t done_bytes = 0;
  // The sizes of the archives known so far; the whole set's size once
  // `total_complete`, else a lower bound.
  uint64_t total_bytes = 0;
  bool total_complete = false;
  // Done of total, 0 to 100; only when the total is complete, so that it
  // never falls back when a late archive's size arrives.
  std::optional<double> percent;
  // Unpacking speed, measured only while archives are being unpacked (not
  // while the user changes discs); absent until there is enough to measure.
  std::optional<double> bytes_per_second;
  // Only when both the total and the speed are known.
  std::optional<int64_t> seconds_left;
};

// The progress of a set of archives unpacked one after the other: bytes done
// of all of them, speed and time left. Knows nothing of clocks: every call
// that happens at a moment is given that moment in milliseconds of a clock
// that does not go backwards.
class OverallProgress {
 public:
  // The shortest unpacking time from which a speed is reported.
  static constexpr int64_t kMinMeasuredMillis = 500;

  explicit OverallProgress(size_t archives) : archives_(archives) {}

  // The unpacked size of archive `index` (0-based) as its directory gives it;
  // a later call for the same archive replaces the figure.
  void SetTotal(size_t index, uint64_t bytes);
  bool KnowsTotal(size_t index) const { return archives_.at(index).total.has_value(); }

  // Archive `index` starts unpacking now. Time before this, since the last
  // figure, is not counted as unpacking time.
  void Begin(size_t index, int64_t now_ms);

  // Archive `index` has `bytes_done` unpacked. Figures never go back and
  // never pass the archive's size.
  void Update(size_t index, uint64_t bytes_done, int64_t now_ms);

  // Archive `index` is done: it counts with its whole size.
  void Finish(size_t index, int64_t now_ms);

  OverallFigures Figures() const;

 private:
  struct Archive {
    std::optional<uint64_t> total;
    uint64_t done = 0;
  };

  Archive& At(size_t index);
  void Advance(int64_t now_ms);

  std::vector<Archive> archives_;
  int64_t unpacking_ms_ = 0;
  std::optional<int64_t> last_ms_;  // the moment of the last figure while unpacking
};

}  // namespace vlrna

#endif  // VLRNA_INSTALL_OVERALL_PROGRESS_H_
