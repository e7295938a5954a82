#include "simconfig/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/runtime_error.h"

namespace vlrna {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view s, size_t pos) {
  while (pos < s.size() && IsDigit(s[pos])) ++pos;
  return pos;
}

RuntimeError Overflow(const std::string& what) {
  return RuntimeError(kErrOverflow, "Overflow: " + what, "Numbers");
}

// The power of ten of the first significant digit of a number written as
// digits, an optional fraction and an optional exponent ("0.004" gives -3,
// "12e5" gives 6); saturates far beyond what a double holds.
int64_t DecimalOrder(std::string_view number) {
  size_t pos = 0;
  int64_t order = -1;
  while (pos < number.size() && IsDigit(number[pos])) {
    if (order >= 0 || number[pos] != '0') ++order;
    ++pos;
  }
  if (order < 0 && pos < number.size() && number[pos] == '.') {
    for (++pos; pos < number.size() && number[pos] == '0'; ++pos) --order;
  }
  size_t e = number.find_first_of("eE");
  if (e == std::string_view::npos) return order;
  bool negative = e + 1 < number.size() && number[e + 1] == '-';
  int64_t exponent = 0;
  for (size_t i = e + 1; i < number.size(); ++i) {
    if (IsDigit(number[i]) && exponent < 100000) exponent = exponent * 10 + (number[i] - '0');
  }
  return order + (negative ? -exponent : exponent);
}

}  // namespace

double NumericValue(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  size_t start = pos;
  pos = SkipDigits(text, pos);
  size_t int_digits = pos - start;
  if (pos < text.size() && text[pos] == '.') pos = SkipDigits(text, pos + 1);
  if (int_digits == 0 && pos - start <= 1) return 0;  // no digit at all
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    size_t exp = pos + 1;
    if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
    if (exp < text.size() && IsDigit(text[exp])) pos = SkipDigits(text, exp);
  }
  double value = 0;
  auto [end, error] = std::from_chars(text.data() + start, text.data() + pos, value);
  if (error == std::errc::result_out_of_range) {
    // Below the smallest double is 0, above the largest infinity.
    value = DecimalOrder(text.substr(start, pos - start)) < 0
                ? 0.0
                : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

int16_t ToInteger16(double value, const std::string& what) {
  double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw Overflow(what);
  return static_cast<int16_t>(rounded);
}

int16_t Increment16(int16_t a, const std::string& what) {
  if (a == std::numeric_limits<int16_t>::max()) throw Overflow(what);
  return static_cast<int16_t>(a + 1);
}

}  // namespace vlrna
