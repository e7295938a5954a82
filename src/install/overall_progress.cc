#include "install/overall_progress.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vlrna {

OverallProgress::Archive& OverallProgress::At(size_t index) {
  if (index >= archives_.size()) throw std::out_of_range("no archive " + std::to_string(index));
  return archives_[index];
}

void OverallProgress::SetTotal(size_t index, uint64_t bytes) {
  Archive& archive = At(index);
  archive.total = bytes;
  archive.done = std::min(archive.done, bytes);
}

void OverallProgress::Advance(int64_t now_ms) {
  if (last_ms_ && now_ms > *last_ms_) unpacking_ms_ += now_ms - *last_ms_;
  last_ms_ = now_ms;
}

void OverallProgress::Begin(size_t index, int64_t now_ms) {
  At(index);
  last_ms_ = now_ms;
}

void OverallProgress::Update(size_t index, uint64_t bytes_done, int64_t now_ms) {
  Archive& archive = At(index);
  Advance(now_ms);
  uint64_t done = std::max(archive.done, bytes_done);
  if (archive.total) done = std::min(done, *archive.total);
  archive.done = done;
}

void OverallProgress::Finish(size_t index, int64_t now_ms) {
  Archive& archive = At(index);
  Advance(now_ms);
  if (archive.total) archive.done = *archive.total;
  // Until the next archive begins, the clock stands still for the speed.
  last_ms_.reset();
}

OverallFigures OverallProgress::Figures() const {
  OverallFigures f;
  f.total_complete = true;
  for (const Archive& archive : archives_) {
    f.done_bytes += archive.done;
    if (archive.total) {
      f.total_bytes += *archive.total;
    } else {
      f.total_complete = false;
    }
  }
  if (f.total_complete) {
    f.percent = f.total_bytes > 0 ? 100.0 * f.done_bytes / f.total_bytes : 100.0;
  }
  if (unpacking_ms_ >= kMinMeasuredMillis && f.done_bytes > 0) {
    f.bytes_per_second = f.done_bytes * 1000.0 / unpacking_ms_;
  }
  if (f.total_complete && f.bytes_per_second) {
    const double left = static_cast<double>(f.total_bytes - f.done_bytes);
    f.seconds_left = static_cast<int64_t>(std::ceil(left / *f.bytes_per_second));
  }
  return f;
}

}  // namespace vlrna
