#include "model/deterministic_math.h"

#include <cmath>
#include <limits>

#include "model/double_double.h"

namespace vev::dmath {
namespace {

constexpr DoubleDouble kPi{0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
constexpr DoubleDouble kHalfPi{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;
constexpr double kThreeQuarterPi = 0x1.2d97c7f3321d2p+1;
constexpr double kTwoPi = 0x1.921fb54442d18p+2;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;

// pi/2 in pieces of 33 bits and what remains, so that n times a piece is exact for n <= 2^20.
constexpr double kHalfPi1 = 0x1.921fb544p+0;
constexpr double kHalfPi2 = 0x1.0b4611a6p-34;
constexpr double kHalfPi3 = 0x1.3198a2ep-69;
constexpr double kHalfPi4 = 0x1.b839a252049c1p-104;
constexpr double kExactReductionLimit = 0x1p19 * kPi.hi;

// Below these, sin x, tan x, atan x and asin x round to x, and cos x to 1 (double, float).
constexpr double kTiny = 0x1p-27;
constexpr float kTinyFloat = 0x1p-12f;

// Adding and then subtracting it rounds a double below 2^51 to the nearest integer.
constexpr double kRoundingShift = 0x1.8p52;

// atan(k / 8) for k = 0 ... 8.
constexpr DoubleDouble kAtanOfEighths[9] = {
    {0.0, 0.0},
    {0x1.fd5ba9aac2f6ep-4, -0x1.cd37686760c17p-59},
    {0x1.f5b75f92c80ddp-3, 0x1.8ab6e3cf7afbdp-57},
    {0x1.6f61941e4def1p-2, -0x1.c63aae6f6e918p-56},
    {0x1.dac670561bb4fp-2, 0x1.a2b7f222f65e2p-56},
    {0x1.1e00babdefeb4p-1, -0x1.928df287a668fp-58},
    {0x1.4978fa3269ee1p-1, 0x1.2419a87f2a458p-56},
    {0x1.700a7c5784634p-1, -0x1.8c34d25aadef6p-56},
    {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55},
};

struct ReducedAngle {
  DoubleDouble r;  // x - n pi/2, within pi/4 (and a rounding)
  int quadrant;    // n mod 4
};

// Cody and Waite's reduction with pi/2 in four pieces: x - n * piece1 and every product are exact,
// and the differences are summed without loss.
ReducedAngle reduce(double x) {
  if (std::fabs(x) <= kQuarterPi) return {{x, 0.0}, 0};
  if (std::fabs(x) > kExactReductionLimit) x = std::fmod(x, kTwoPi);
  const double n = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
  const DoubleDouble first = twoSum(x - n * kHalfPi1, -(n * kHalfPi2));
  const DoubleDouble second = twoSum(first.hi, -(n * kHalfPi3));
  const DoubleDouble r = twoSum(second.hi, (second.lo + first.lo) - n * kHalfPi4);
  return {r, static_cast<int>(n) & 3};
}

// Taylor series: sin x = x - x^3/6 + x^5 sinSeries(x^2), cos x = 1 - x^2/2 + x^4 cosSeries(x^2).
// For |x| <= pi/4 the first term left out is below 2^-62 of the result.
double sinSeries(double z) {
  return 1.0 / 120.0 +
         z * (-1.0 / 5040.0 +
              z * (1.0 / 362880.0 +
                   z * (-1.0 / 39916800.0 +
                        z * (1.0 / 6227020800.0 +
                             z * (-1.0 / 1307674368000.0 + z * (1.0 / 355687428096000.0))))));
}

double cosSeries(double z) {
  return 1.0 / 24.0 +
         z * (-1.0 / 720.0 +
              z * (1.0 / 40320.0 +
                   z * (-1.0 / 3628800.0 +
                        z * (1.0 / 479001600.0 +
                             z * (-1.0 / 87178291200.0 + z * (1.0 / 20922789888000.0 +
                                                              z * (-1.0 / 6402373705728000.0)))))));
}

// sin(a.hi + a.lo) for |a.hi| <= pi/4, as hi + lo; x - x^3/6 is formed in double-double.
DoubleDouble sinKernel(DoubleDouble a) {
  const double x = a.hi;
  const DoubleDouble square = twoProduct(x, x);
  DoubleDouble cube = twoProduct(square.hi, x);
  cube.lo += square.lo * x;
  const DoubleDouble sixth = divide(cube, {6.0, 0.0});
  const double z = square.hi;
  const double rest = z * z * x * sinSeries(z) + a.lo * (1.0 - 0.5 * z);
  const DoubleDouble sum = fastTwoSum(x, -sixth.hi);
  return fastTwoSum(sum.hi, sum.lo + (rest - sixth.lo));
}

// cos(a.hi + a.lo) for |a.hi| <= pi/4, as hi + lo; 1 - x^2/2 is formed exactly.
DoubleDouble cosKernel(DoubleDouble a) {
  const double x = a.hi;
  const DoubleDouble z = twoProduct(x, x);
  const double half = 0.5 * z.hi;
  const double w = 1.0 - half;
  const double lost = (1.0 - w) - half;
  return fastTwoSum(w, (lost - 0.5 * z.lo) + (z.hi * z.hi * cosSeries(z.hi) - x * a.lo));
}

// sin(n pi/2 + r + quarterTurns pi/2), n and r as reduced.
double turnedSin(const ReducedAngle& a, int quarterTurns) {
  switch ((a.quadrant + quarterTurns) & 3) {
    case 0:
      return sinKernel(a.r).hi;
    case 1:
      return cosKernel(a.r).hi;
    case 2:
      return -sinKernel(a.r).hi;
    default:
      return -cosKernel(a.r).hi;
  }
}

// The float forms need the result to some 2^-40 before their one rounding; plain double
// arithmetic on the reduced angle gives 2^-50, several times faster than the kernels above.
double roughSin(double r) {
  const double z = r * r;
  return r + r * z * (-1.0 / 6.0 + z * sinSeries(z));
}

double roughCos(double r) {
  const double z = r * r;
  return (1.0 - 0.5 * z) + z * z * cosSeries(z);
}

// The reduction above in plain double: x - n * piece1 and the products are still exact.
ReducedAngle roughReduce(double x) {
  if (std::fabs(x) <= kQuarterPi) return {{x, 0.0}, 0};
  if (std::fabs(x) > kExactReductionLimit) x = std::fmod(x, kTwoPi);
  const double n = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
  return {{((x - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3, 0.0}, static_cast<int>(n) & 3};
}

double roughTurnedSin(const ReducedAngle& a, int quarterTurns) {
  switch ((a.quadrant + quarterTurns) & 3) {
    case 0:
      return roughSin(a.r.hi);
    case 1:
      return roughCos(a.r.hi);
    case 2:
      return -roughSin(a.r.hi);
    default:
      return -roughCos(a.r.hi);
  }
}

// Taylor series: atan t = t + t^3 atanSeries(t^2); for |t| <= 1/16 the first term left out is
// below 2^-68 of the result.
double atanSeries(double z) {
  return -1.0 / 3.0 +
         z * (1.0 / 5.0 +
              z * (-1.0 / 7.0 +
                   z * (1.0 / 9.0 + z * (-1.0 / 11.0 + z * (1.0 / 13.0 + z * (-1.0 / 15.0))))));
}

// atan(u) for 0 <= u <= 1: atan(c) + atan((u - c) / (1 + c u)) with c the nearest eighth.
DoubleDouble atanUnit(DoubleDouble u) {
  const int k = static_cast<int>(u.hi * 8.0 + 0.5);
  const double c = k * 0.125;
  const DoubleDouble numerator = twoSum(u.hi - c, u.lo);  // u.hi - c is exact (Sterbenz)
  const DoubleDouble cu = twoProduct(c, u.hi);
  const DoubleDouble denominator = add({1.0, 0.0}, {cu.hi, cu.lo + c * u.lo});
  const DoubleDouble t = divide(numerator, denominator);
  const DoubleDouble sum = twoSum(kAtanOfEighths[k].hi, t.hi);
  const double tail = t.hi * (t.hi * t.hi) * atanSeries(t.hi * t.hi);
  return fastTwoSum(sum.hi, sum.lo + ((kAtanOfEighths[k].lo + t.lo) + tail));
}

// The angle in [0, pi] from the positive x axis to the point (x, y), y >= 0, given
// atanOfRatio = atan(y / x), or atan(x / y) when `steep`, and whether x is negative.
double placeAngle(DoubleDouble atanOfRatio, bool steep, bool left) {
  DoubleDouble angle = atanOfRatio;
  if (steep) angle = add(kHalfPi, negate(angle));
  if (left) angle = add(kPi, negate(angle));
  return angle.hi;
}

// small / large for 0 < small <= large, both finite, as hi + lo. Both are first scaled by one power
// of two into a range where the low part can be formed; below 2^-60 it cannot matter.
DoubleDouble quotient(double small, double large) {
  const double q = small / large;
  if (q < 0x1p-60) return {q, 0.0};
  const double scale = large > 0x1p512 ? 0x1p-600 : (large < 0x1p-512 ? 0x1p600 : 1.0);
  return divide({small * scale, 0.0}, {large * scale, 0.0});
}

// sqrt(1 - x^2) for 0 <= x <= 1, as hi + lo; 1 - x^2 is formed exactly.
DoubleDouble complementSide(double x) {
  const DoubleDouble rest = add({1.0, 0.0}, negate(twoProduct(x, x)));
  if (rest.hi <= 0.0) return {};
  return squareRoot(rest);
}

double notANumber() {
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double sin(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < kTiny) return x;
  return turnedSin(reduce(x), 0);
}

double cos(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < kTiny) return 1.0;
  return turnedSin(reduce(x), 1);
}

double tan(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < kTiny) return x;
  const ReducedAngle a = reduce(x);
  const DoubleDouble s = sinKernel(a.r);
  const DoubleDouble c = cosKernel(a.r);
  // In odd quadrants tan x = -cot r; r is never zero there, so near pi/2 this is large, not inf.
  return (a.quadrant & 1) != 0 ? -divide(c, s).hi : divide(s, c).hi;
}

double atan(double x) {
  if (std::isnan(x)) return x + x;
  const double ax = std::fabs(x);
  if (ax < kTiny) return x;
  double angle = kHalfPi.hi;  // beyond 2^54 (and at infinity) atan rounds to pi/2
  if (ax <= 1.0) {
    angle = atanUnit({ax, 0.0}).hi;
  } else if (ax < 0x1p54) {
    angle = placeAngle(atanUnit(divide({1.0, 0.0}, {ax, 0.0})), true, false);
  }
  return x < 0.0 ? -angle : angle;
}

double atan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  const double ay = std::fabs(y);
  const double ax = std::fabs(x);
  const bool left = std::signbit(x);
  double angle = 0.0;
  if (ay == 0.0) {
    angle = left ? kPi.hi : 0.0;
  } else if (std::isinf(ax)) {
    if (std::isinf(ay)) {
      angle = left ? kThreeQuarterPi : kQuarterPi;
    } else {
      angle = left ? kPi.hi : 0.0;
    }
  } else if (std::isinf(ay) || ax == 0.0) {
    angle = kHalfPi.hi;
  } else {
    const bool steep = ay > ax;
    angle = placeAngle(atanUnit(steep ? quotient(ax, ay) : quotient(ay, ax)), steep, left);
  }
  return std::signbit(y) ? -angle : angle;
}

double asin(double x) {
  if (std::isnan(x)) return x + x;
  const double ax = std::fabs(x);
  if (ax > 1.0) return notANumber();
  if (ax < kTiny) return x;
  const DoubleDouble side = complementSide(ax);
  const bool steep = ax > side.hi;
  const DoubleDouble opposite{ax, 0.0};
  const double angle =
      placeAngle(atanUnit(steep ? divide(side, opposite) : divide(opposite, side)), steep, false);
  return x < 0.0 ? -angle : angle;
}

double acos(double x) {
  if (std::isnan(x)) return x + x;
  const double ax = std::fabs(x);
  if (ax > 1.0) return notANumber();
  const DoubleDouble side = complementSide(ax);
  const bool steep = side.hi > ax;
  const DoubleDouble adjacent{ax, 0.0};
  return placeAngle(atanUnit(steep ? divide(adjacent, side) : divide(side, adjacent)), steep,
                    x < 0.0);
}

float sin(float x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < kTinyFloat) return x;
  return static_cast<float>(roughTurnedSin(roughReduce(x), 0));
}

float cos(float x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < kTinyFloat) return 1.0f;
  return static_cast<float>(roughTurnedSin(roughReduce(x), 1));
}

float tan(float x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < kTinyFloat) return x;
  const ReducedAngle a = roughReduce(x);
  const double s = roughSin(a.r.hi);
  const double c = roughCos(a.r.hi);
  return static_cast<float>((a.quadrant & 1) != 0 ? -c / s : s / c);
}

float atan(float x) {
  return static_cast<float>(atan(static_cast<double>(x)));
}

float atan2(float y, float x) {
  return static_cast<float>(atan2(static_cast<double>(y), static_cast<double>(x)));
}

float asin(float x) {
  return static_cast<float>(asin(static_cast<double>(x)));
}

float acos(float x) {
  return static_cast<float>(acos(static_cast<double>(x)));
}

}  // namespace vev::dmath
