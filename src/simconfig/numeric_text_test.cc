#include "simconfig/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/runtime_error.h"

namespace vlrna {
namespace {

TEST(NumericTextTest, TakesTheLeadingNumberOnly) {
  EXPECT_EQ(NumericValue(" \t+1.5e2x"), 150);
  EXPECT_EQ(NumericValue(".5"), 0.5);
  EXPECT_EQ(NumericValue("7."), 7);
  EXPECT_EQ(NumericValue("1e"), 1);
  EXPECT_EQ(NumericValue("1e+"), 1);
  EXPECT_EQ(NumericValue("1,5"), 1);  // never the locale's decimal comma
  EXPECT_EQ(NumericValue("-12abc"), -12);
  EXPECT_EQ(NumericValue("-"), 0);
  EXPECT_EQ(NumericValue("."), 0);
  EXPECT_EQ(NumericValue("x1"), 0);
  EXPECT_EQ(NumericValue("1e-999"), 0);
  EXPECT_EQ(NumericValue("1e999"), INFINITY);
  EXPECT_EQ(NumericValue("-1e999"), -INFINITY);
  // Too small or too large written out in full, without an exponent.
  const std::string zeros(400, '0');
  EXPECT_EQ(NumericValue("0." + zeros + "1"), 0);
  EXPECT_EQ(NumericValue("-0." + zeros + "1"), 0);
  EXPECT_EQ(NumericValue("1" + zeros), INFINITY);
  EXPECT_EQ(NumericValue("0." + zeros + "1e9999"), INFINITY);
  EXPECT_EQ(NumericValue("1" + zeros + "e-9999"), 0);
}

TEST(NumericTextTest, SixteenBitsRoundHalvesToEvenAndOverflow) {
  EXPECT_EQ(ToInteger16(2.5, "x"), 2);
  EXPECT_EQ(ToInteger16(3.5, "x"), 4);
  EXPECT_EQ(ToInteger16(-32768.5, "x"), -32768);
  EXPECT_EQ(ToInteger16(32767.4, "x"), 32767);
  for (double bad : {32767.5, -32769.0, static_cast<double>(INFINITY)}) {
    try {
      ToInteger16(bad, "layer of Area.001");
      FAIL() << bad;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), kErrOverflow);
      EXPECT_EQ(e.description(), "Overflow: layer of Area.001");
    }
  }
  EXPECT_THROW(Increment16(32767, "layer"), RuntimeError);
  EXPECT_EQ(Increment16(-1, "layer"), 0);
}

}  // namespace
}  // namespace vlrna
