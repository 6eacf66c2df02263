#include "model/deterministic_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <random>
#include <string>

namespace vev {
namespace {

constexpr int kArguments = 1 << 20;

using Rng = std::mt19937_64;

// |value - reference| in units in the last place of T at the reference.
template <typename T>
double ulpError(T value, long double reference) {
  if (std::isnan(reference)) return std::isnan(value) ? 0.0 : 1e9;
  const int exponent = std::max(std::ilogb(reference), std::numeric_limits<T>::min_exponent - 1);
  const long double ulp = std::ldexp(1.0L, exponent - std::numeric_limits<T>::digits + 1);
  return static_cast<double>(std::fabs(static_cast<long double>(value) - reference) / ulp);
}

double uniform(Rng& rng, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(rng);
}

// A magnitude spread evenly over the binades from 2^low to 2^high, with a random sign.
double spread(Rng& rng, double low, double high) {
  const double magnitude = std::exp2(uniform(rng, low, high));
  return rng() % 2 == 0 ? magnitude : -magnitude;
}

// A quarter in the turns the program sees, a quarter over every binade the exact reduction
// covers, and half within a few ulps of a multiple of pi/2, where the reduction cancels most.
double drawAngle(Rng& rng) {
  switch (rng() % 4) {
    case 0:
      return uniform(rng, -8.0 * std::numbers::pi, 8.0 * std::numbers::pi);
    case 1:
      return spread(rng, -30.0, 20.6);
    default: {
      const auto k = static_cast<long double>(rng() % (1 << 20));
      const auto near = static_cast<double>(k * std::numbers::pi_v<long double> / 2);
      const double toward = rng() % 2 == 0 ? 0.0 : 4.0 * near;
      double x = near;
      for (auto ulps = rng() % 5; ulps > 0; --ulps) x = std::nextafter(x, toward);
      return x;
    }
  }
}

double drawSine(Rng& rng) {
  switch (rng() % 4) {
    case 0:
      return uniform(rng, -1.0, 1.0);
    case 1:
      return std::copysign(1.0 - std::exp2(uniform(rng, -53.0, -4.0)), uniform(rng, -1.0, 1.0));
    default:
      return spread(rng, -30.0, 0.0);
  }
}

struct Function {
  const char* name;
  double (*value)(double, double);
  float (*floatValue)(float, float);
  long double (*reference)(long double, long double);
  void (*draw)(Rng&, double&, double&);
  double bound;       // ulp, double form
  double floatBound;  // ulp, float form
};

const Function kFunctions[] = {
    {"sin", [](double x, double) { return dmath::sin(x); },
     [](float x, float) { return dmath::sin(x); },
     [](long double x, long double) { return std::sin(x); },
     [](Rng& rng, double& x, double&) { x = drawAngle(rng); }, 0.6, 0.5},
    {"cos", [](double x, double) { return dmath::cos(x); },
     [](float x, float) { return dmath::cos(x); },
     [](long double x, long double) { return std::cos(x); },
     [](Rng& rng, double& x, double&) { x = drawAngle(rng); }, 0.6, 0.5},
    {"tan", [](double x, double) { return dmath::tan(x); },
     [](float x, float) { return dmath::tan(x); },
     [](long double x, long double) { return std::tan(x); },
     [](Rng& rng, double& x, double&) { x = drawAngle(rng); }, 0.65, 0.5},
    {"atan", [](double x, double) { return dmath::atan(x); },
     [](float x, float) { return dmath::atan(x); },
     [](long double x, long double) { return std::atan(x); },
     [](Rng& rng, double& x, double&) {
       x = rng() % 2 == 0 ? uniform(rng, -4.0, 4.0) : spread(rng, -30.0, 60.0);
     },
     0.51, 0.5},
    {"atan2", [](double y, double x) { return dmath::atan2(y, x); },
     [](float y, float x) { return dmath::atan2(y, x); },
     [](long double y, long double x) { return std::atan2(y, x); },
     [](Rng& rng, double& y, double& x) {
       y = rng() % 2 == 0 ? uniform(rng, -1.0, 1.0) : spread(rng, -100.0, 100.0);
       x = rng() % 2 == 0 ? uniform(rng, -1.0, 1.0) : spread(rng, -100.0, 100.0);
     },
     0.51, 0.5},
    {"asin", [](double x, double) { return dmath::asin(x); },
     [](float x, float) { return dmath::asin(x); },
     [](long double x, long double) { return std::asin(x); },
     [](Rng& rng, double& x, double&) { x = drawSine(rng); }, 0.51, 0.5},
    {"acos", [](double x, double) { return dmath::acos(x); },
     [](float x, float) { return dmath::acos(x); },
     [](long double x, long double) { return std::acos(x); },
     [](Rng& rng, double& x, double&) { x = drawSine(rng); }, 0.51, 0.5},
};

void PrintTo(const Function& f, std::ostream* out) {
  *out << f.name;
}

class DeterministicMath : public testing::TestWithParam<Function> {};

TEST_P(DeterministicMath, StaysWithinItsStatedErrorOfLongDouble) {
  const Function& f = GetParam();
  Rng rng(20240518);
  double worst = 0.0;
  double worstFloat = 0.0;
  double worstArgument = 0.0;
  for (int i = 0; i < kArguments; ++i) {
    double a = 0.0;
    double b = 0.0;
    f.draw(rng, a, b);
    const double error = ulpError(f.value(a, b), f.reference(a, b));
    if (error > worst) {
      worst = error;
      worstArgument = a;
    }
    if (i % 4 != 0) continue;  // a quarter of them for the float form
    const auto fa = static_cast<float>(a);
    const auto fb = static_cast<float>(b);
    worstFloat = std::max(worstFloat, ulpError(f.floatValue(fa, fb), f.reference(fa, fb)));
  }
  RecordProperty("max_ulp", testing::PrintToString(worst));
  RecordProperty("max_ulp_float", testing::PrintToString(worstFloat));
  EXPECT_LE(worst, f.bound) << f.name << " at " << worstArgument;
  EXPECT_LE(worstFloat, f.floatBound) << f.name;
}

INSTANTIATE_TEST_SUITE_P(EachFunction, DeterministicMath, testing::ValuesIn(kFunctions),
                         [](const testing::TestParamInfo<Function>& info) {
                           return std::string(info.param.name);
                         });

template <typename T>
bool sameResult(T a, T b) {
  return std::isnan(a) ? std::isnan(b) : a == b && std::signbit(a) == std::signbit(b);
}

// Where C defines the result exactly (signed zeros, infinities, NaN, the ends of asin and acos,
// atan2 of zeros and infinities), the same value as the C library's, in both precisions.
template <typename T>
void expectSpecialValuesAsTheCLibrary() {
  const T inf = std::numeric_limits<T>::infinity();
  const T nan = std::numeric_limits<T>::quiet_NaN();
  const T tiny = std::numeric_limits<T>::denorm_min();
  for (const T x : {T(0), -T(0), inf, -inf, nan, tiny, -tiny}) {
    SCOPED_TRACE(x);
    EXPECT_TRUE(sameResult(dmath::sin(x), std::sin(x)));
    EXPECT_TRUE(sameResult(dmath::cos(x), std::cos(x)));
    EXPECT_TRUE(sameResult(dmath::tan(x), std::tan(x)));
  }
  for (const T x : {T(0), -T(0), T(1), -T(1), inf, -inf, nan, tiny, -tiny, T(1.5), -T(1.5)}) {
    SCOPED_TRACE(x);
    EXPECT_TRUE(sameResult(dmath::atan(x), std::atan(x)));
    EXPECT_TRUE(sameResult(dmath::asin(x), std::asin(x)));
    EXPECT_TRUE(sameResult(dmath::acos(x), std::acos(x)));
  }
  const T sides[] = {T(0), -T(0), T(1), -T(1), inf, -inf, nan};
  for (const T y : sides) {
    for (const T x : sides) {
      SCOPED_TRACE(testing::Message() << "atan2(" << y << ", " << x << ")");
      EXPECT_TRUE(sameResult(dmath::atan2(y, x), std::atan2(y, x)));
    }
  }
}

TEST(DeterministicMathEdges, SpecialValuesExtremesAndPolesBehaveAsTheCLibrary) {
  expectSpecialValuesAsTheCLibrary<double>();
  expectSpecialValuesAsTheCLibrary<float>();

  // Ratios at the ends of the exponent range.
  const double big = std::numeric_limits<double>::max();
  const double small = std::numeric_limits<double>::denorm_min();
  for (const double y : {big, -big, small, 1e-300, 1e300}) {
    for (const double x : {big, -big, small, -small, 1e-300, -1e300}) {
      SCOPED_TRACE(testing::Message() << "atan2(" << y << ", " << x << ")");
      EXPECT_LE(ulpError(dmath::atan2(y, x), std::atan2(static_cast<long double>(y), x)), 0.51);
    }
  }

  // Near the poles of tan the result is large and finite, and as accurate as anywhere.
  for (const long double pole : {1.0L, -1.0L, 3.0L, 1001.0L}) {
    double x = static_cast<double>(pole * std::numbers::pi_v<long double> / 2);
    x = std::nextafter(std::nextafter(x, 0.0), 0.0);
    for (int step = 0; step < 5; ++step, x = std::nextafter(x, 2 * x)) {
      SCOPED_TRACE(x);
      EXPECT_LE(ulpError(dmath::tan(x), std::tan(static_cast<long double>(x))), 0.65);
    }
  }

  // Beyond the exact reduction the result is still a sine: in range, and pinned to its bits.
  EXPECT_EQ(dmath::sin(1e22), 0x1.bf809b25497f6p-1);
  EXPECT_EQ(dmath::cos(1e300), 0x1.7fc3f18dde1d9p-1);
  EXPECT_EQ(dmath::sin(3e38f), 0x1.24b026p-1f);
}

}  // namespace
}  // namespace vev
