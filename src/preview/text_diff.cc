#include "preview/text_diff.h"

#include <algorithm>
#include <cstdint>

namespace vlrna {
namespace {

// Past this many cells the middle of two texts is shown as replaced whole:
// a valid diff, if not the shortest.
constexpr size_t kMaxCells = 4'000'000;

enum class Op : char { kKeep = ' ', kRemove = '-', kAdd = '+' };

struct Step {
  Op op;
  size_t before;  // index of the line in `before` (kKeep, kRemove)
  size_t after;   // index of the line in `after` (kKeep, kAdd)
};

// The steps that turn before[b0, b1) into after[a0, a1): a longest common
// subsequence by dynamic programming, or all removed then all added when
// the table would be too large.
void DiffMiddle(const std::vector<std::string>& before, size_t b0, size_t b1,
                const std::vector<std::string>& after, size_t a0, size_t a1,
                std::vector<Step>& steps) {
  const size_t n = b1 - b0, m = a1 - a0;
  if ((n + 1) * (m + 1) > kMaxCells) {
    for (size_t i = b0; i < b1; ++i) steps.push_back({Op::kRemove, i, a0});
    for (size_t j = a0; j < a1; ++j) steps.push_back({Op::kAdd, b1, j});
    return;
  }
  // common[i][j]: the longest common subsequence of the tails from i and j.
  std::vector<uint32_t> common((n + 1) * (m + 1), 0);
  auto at = [m](size_t i, size_t j) { return i * (m + 1) + j; };
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      common[at(i, j)] = before[b0 + i] == after[a0 + j]
                             ? common[at(i + 1, j + 1)] + 1
                             : std::max(common[at(i + 1, j)], common[at(i, j + 1)]);
    }
  }
  size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && before[b0 + i] == after[a0 + j]) {
      steps.push_back({Op::kKeep, b0 + i++, a0 + j++});
    } else if (i < n && (j == m || common[at(i + 1, j)] >= common[at(i, j + 1)])) {
      steps.push_back({Op::kRemove, b0 + i++, a0 + j});
    } else {
      steps.push_back({Op::kAdd, b0 + i, a0 + j++});
    }
  }
}

std::string Range(size_t start, size_t count) {
  // A hunk that holds no line of a side names the line before it.
  return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t cut = end > start && text[end - 1] == '\r' ? end - 1 : end;
    lines.push_back(text.substr(start, cut - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> UnifiedDiff(const std::vector<std::string>& before,
                                     const std::vector<std::string>& after, int context) {
  // The common head and tail are kept; only the middle is compared.
  size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  size_t tail = 0;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  std::vector<Step> steps;
  for (size_t i = 0; i < head; ++i) steps.push_back({Op::kKeep, i, i});
  DiffMiddle(before, head, before.size() - tail, after, head, after.size() - tail, steps);
  for (size_t k = tail; k > 0; --k) {
    steps.push_back({Op::kKeep, before.size() - k, after.size() - k});
  }

  std::vector<std::string> out;
  const size_t reach = static_cast<size_t>(std::max(0, context));
  size_t s = 0;
  while (s < steps.size()) {
    while (s < steps.size() && steps[s].op == Op::kKeep) ++s;
    if (s == steps.size()) break;
    // A hunk: from `reach` kept lines before the change to `reach` after the
    // last change that lies within 2 * reach kept lines of the one before.
    size_t first = s >= reach ? s - reach : 0;
    size_t last = s, kept = 0;
    for (size_t k = s; k < steps.size() && kept <= 2 * reach; ++k) {
      if (steps[k].op == Op::kKeep) {
        ++kept;
      } else {
        last = k, kept = 0;
      }
    }
    size_t end = std::min(steps.size(), last + 1 + reach);
    size_t b_count = 0, a_count = 0;
    for (size_t k = first; k < end; ++k) {
      b_count += steps[k].op != Op::kAdd;
      a_count += steps[k].op != Op::kRemove;
    }
    out.push_back("@@ -" + Range(steps[first].before, b_count) + " +" +
                  Range(steps[first].after, a_count) + " @@");
    for (size_t k = first; k < end; ++k) {
      const Step& step = steps[k];
      out.push_back(static_cast<char>(step.op) +
                    (step.op == Op::kAdd ? after[step.after] : before[step.before]));
    }
    s = end;
  }
  return out;
}

}  // namespace vlrna
