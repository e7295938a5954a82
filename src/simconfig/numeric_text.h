#ifndef VLRNA_SIMCONFIG_NUMERIC_TEXT_H_
#define VLRNA_SIMCONFIG_NUMERIC_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace vlrna {

// The numeric value of a text: its leading number after blanks (an optional
// sign, digits with an optional decimal point, an optional exponent), read
// with '.' as the decimal point whatever the locale. A text that does not
// start with a number is 0 ("12abc" is 12, "abc" is 0). A number too large for
// a double gives plus or minus infinity.
double NumericValue(std::string_view text);

// `value` as a 16-bit number, rounded to the nearest whole number with halves
// going to the even neighbour. Raises RuntimeError 6 (Overflow), naming
// `what`, when the result does not fit.
int16_t ToInteger16(double value, const std::string& what);

// a + 1, or RuntimeError 6 (Overflow) naming `what` at the largest 16-bit value.
int16_t Increment16(int16_t a, const std::string& what);

}  // namespace vlrna

#endif  // VLRNA_SIMCONFIG_NUMERIC_TEXT_H_
