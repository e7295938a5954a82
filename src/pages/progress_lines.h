#ifndef VLRNA_PAGES_PROGRESS_LINES_H_
#define VLRNA_PAGES_PROGRESS_LINES_H_

#include <cstdint>
#include <functional>
#include <string>

#include "install/install_start_page.h"

namespace vlrna {

// The installation's progress as lines of text, for an output that is read
// later or by a program as much as by a person: no line is ever redrawn.
// A line is printed when an archive starts and when it is complete, and in
// between at most every half second:
//
//   setup.101 (1/9)  42%  overall 12% of 1536 MB  35.2 MB/s  1:23 left
//   setup.201 (5/9)   7%  overall 700 of at least 1200 MB  35.2 MB/s
class ProgressLines {
 public:
  ProgressLines(std::function<void(const std::string&)> print, std::function<int64_t()> now_ms)
      : print_(std::move(print)), now_ms_(std::move(now_ms)) {}

  void Report(const InstallProgressEvent& event);

  // The line for one event.
  static std::string Line(const InstallProgressEvent& event);

 private:
  std::function<void(const std::string&)> print_;
  std::function<int64_t()> now_ms_;
  size_t step_ = 0;
  int percent_ = -1;
  int64_t last_ms_ = 0;
};

}  // namespace vlrna

#endif  // VLRNA_PAGES_PROGRESS_LINES_H_
