#include "hud/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "tests/hud/comma_locale.h"

namespace vev::test {
namespace {

struct SignificantCase {
  float value;
  int digits;
  const char* text;
};

void expectEverySignificantCase() {
  const SignificantCase cases[] = {
      {340.0f, 3, "340"},
      {12.0f, 3, "12."},
      {12.5f, 4, "12.5"},
      {36.0f, 3, "36."},
      {0.5f, 3, "0.5"},
      {-12.5f, 3, "-12.5"},
      {3.14159f, 3, "3.14"},
      {0.000123f, 2, "0.00012"},
      {12345.0f, 3, "1.23e+004"},
      {1000.0f, 3, "1.e+003"},
      {-12345.0f, 2, "-1.2e+004"},
      {1.5e30f, 4, "1.5e+030"},
      {9.996f, 3, "10."},
      {0.0f, 3, "0"},
      {-0.0f, 3, "0"},
  };
  for (const SignificantCase& c : cases) {
    EXPECT_EQ(formatSignificant(c.value, c.digits), c.text) << c.value << " with " << c.digits;
  }
}

void expectEveryAngleCase() {
  const std::pair<float, const char*> cases[] = {
      {7.9f, "007"},    {359.7f, "359"},  {45.0f, "045"},         {0.0f, "000"},
      {-12.5f, "-012"}, {-0.4f, "-000"},  {180.0f, "180"},        {-179.9f, "-179"},
      {5000.0f, "999"}, {-1e30f, "-999"}, {std::nanf(""), "000"},
  };
  for (const auto& [degrees, text] : cases) EXPECT_EQ(formatAngle(degrees), text) << degrees;
}

TEST(FormatSignificant, WritesDigitsInFixedOrExponentForm) {
  expectEverySignificantCase();
}

TEST(FormatSignificant, RoundingDecidesTheForm) {
  // 999.7 needs a fourth digit once rounded to three.
  EXPECT_EQ(formatSignificant(999.7f, 3), "1.e+003");
  EXPECT_EQ(formatSignificant(999.4f, 3), "999");
}

TEST(FormatSignificant, DigitsAreBoundedSoNoTextOutgrowsALine) {
  EXPECT_EQ(formatSignificant(5.4f, 0), "5");
  EXPECT_EQ(formatSignificant(5.4f, -7), "5");
  EXPECT_EQ(formatSignificant(1.0f / 3.0f, 1000), formatSignificant(1.0f / 3.0f, kMaxHudDigits));
  for (const float tiny : {std::numeric_limits<float>::denorm_min(), -1e-38f}) {
    EXPECT_LT(formatSignificant(tiny, 1000).size(), 99u);
  }
  EXPECT_LT(formatSignificant(std::numeric_limits<float>::max(), 1000).size(), 99u);
  EXPECT_EQ(formatSignificant(std::numeric_limits<float>::infinity(), 3), "inf");
  EXPECT_EQ(formatSignificant(std::nanf(""), 3), "nan");
}

TEST(FormatAngle, ThreeTruncatedDigitsAfterAnOptionalMinus) {
  expectEveryAngleCase();
}

// The desktop program runs in the user's locale; its numbers must not follow it.
TEST(HudNumbers, AreTheSameWhenTheLocaleWritesADecimalComma) {
  const std::string locales = commaLocaleDirectory();
  ASSERT_FALSE(locales.empty()) << "localedef could not build " << kCommaLocale;
  setenv("LOCPATH", locales.c_str(), 1);
  ASSERT_NE(std::setlocale(LC_NUMERIC, kCommaLocale), nullptr);
  ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
  expectEverySignificantCase();
  expectEveryAngleCase();
  std::setlocale(LC_NUMERIC, "C");
  unsetenv("LOCPATH");
}

}  // namespace
}  // namespace vev::test
