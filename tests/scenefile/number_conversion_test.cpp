#include "scenefile/number_conversion.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>

#include "tests/hud/comma_locale.h"

namespace vev {
namespace {

struct IntegerCase {
  std::string token;
  std::int32_t expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) {
  *os << '"' << c.token << '"';
}

class IntegerConversion : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerConversion, ReadsTheDecimalPrefix) {
  EXPECT_EQ(parseInteger(GetParam().token), GetParam().expected) << GetParam().token;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, IntegerConversion,
    ::testing::Values(IntegerCase{"38", 38}, IntegerCase{"-1000", -1000}, IntegerCase{"+7", 7},
                      IntegerCase{"  \t12", 12}, IntegerCase{"\n5", 5}, IntegerCase{"50.9", 50},
                      IntegerCase{"12abc", 12}, IntegerCase{"1\n2", 1}, IntegerCase{"", 0},
                      IntegerCase{"abc", 0}, IntegerCase{"-", 0}, IntegerCase{"+-3", 0},
                      IntegerCase{"0x1F", 0}, IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"2147483648", 2147483647},
                      IntegerCase{"99999999999999999999999", 2147483647},
                      IntegerCase{"-2147483649", -2147483647 - 1}));

struct RealCase {
  std::string token;
  float expected;
};

void PrintTo(const RealCase& c, std::ostream* os) {
  *os << '"' << c.token << '"';
}

class RealConversion : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealConversion, ReadsTheDecimalPrefix) {
  EXPECT_FLOAT_EQ(parseReal(GetParam().token), GetParam().expected) << GetParam().token;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, RealConversion,
    ::testing::Values(RealCase{"1.5", 1.5f}, RealCase{"-2e1", -20.0f}, RealCase{"0.25\n", 0.25f},
                      RealCase{"+3.5", 3.5f}, RealCase{".5", 0.5f}, RealCase{"-.5e-3", -0.0005f},
                      RealCase{"5.", 5.0f}, RealCase{"2e", 2.0f}, RealCase{"2e+", 2.0f},
                      RealCase{"1E2x", 100.0f}, RealCase{" \n7", 7.0f}, RealCase{"", 0.0f},
                      RealCase{".", 0.0f}, RealCase{"-", 0.0f}, RealCase{"inf", 0.0f},
                      RealCase{"-infinity", 0.0f}, RealCase{"nan", 0.0f}, RealCase{"0x1p3", 0.0f},
                      RealCase{"1e39", FLT_MAX}, RealCase{"-1e400", -FLT_MAX},
                      RealCase{"1e-400", 0.0f}, RealCase{"0.000001e-320", 0.0f}));

// Reals are rounded once, correctly, to double and then to float (as the compiler rounds a
// literal), also in a locale whose decimal point is a comma.
TEST(RealRounding, IsExactInEveryLocale) {
  const std::string locales = test::commaLocaleDirectory();
  ASSERT_FALSE(locales.empty()) << "localedef could not build " << test::kCommaLocale;
  setenv("LOCPATH", locales.c_str(), 1);
  ASSERT_NE(std::setlocale(LC_NUMERIC, test::kCommaLocale), nullptr);
  EXPECT_EQ(parseReal("0.1"), static_cast<float>(0.1));
  EXPECT_EQ(parseReal("2,5"), 2.0f);
  EXPECT_EQ(parseReal("1.00000005960464477539062500001"),
            static_cast<float>(1.00000005960464477539062500001));
  EXPECT_EQ(parseReal("123456789012345678901234567890e-20"),
            static_cast<float>(123456789012345678901234567890e-20));
  EXPECT_EQ(parseReal("3.40282346638528859811704183484516925440e+38"), FLT_MAX);
  std::setlocale(LC_NUMERIC, "C");
  unsetenv("LOCPATH");
}

TEST(IntegerNarrowing, SaturatesAtTheSixteenBitLimits) {
  EXPECT_EQ(saturateToInt16(40000), 32767);
  EXPECT_EQ(saturateToInt16(-40000), -32768);
  EXPECT_EQ(saturateToInt16(-5), -5);
}

}  // namespace
}  // namespace vev
