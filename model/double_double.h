#pragma once

#include <cmath>

// Unevaluated sums hi + lo of two doubles, carrying about 106 bits, built from +, -, * and / alone
// (Dekker's and Knuth's error-free transformations). The deterministic functions use them where a
// plain double would lose the last bit. They rely on every operation being rounded on its own: the
// build forbids contracting a * b + c into a fused multiply-add.
namespace vev::dmath {

struct DoubleDouble {
  double hi = 0.0;
  double lo = 0.0;
};

// a + b exactly, for any a and b.
inline DoubleDouble twoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly, when |a| >= |b| or a is zero.
inline DoubleDouble fastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a * b exactly, for |a|, |b| below 2^995 and a product whose low bits do not underflow.
inline DoubleDouble twoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1: splits 53 bits into 26 + 27
  const double ca = kSplitter * a;
  const double aHi = ca - (ca - a);
  const double aLo = a - aHi;
  const double cb = kSplitter * b;
  const double bHi = cb - (cb - b);
  const double bLo = b - bHi;
  const double p = a * b;
  return {p, ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo};
}

inline DoubleDouble add(DoubleDouble a, DoubleDouble b) {
  const DoubleDouble s = twoSum(a.hi, b.hi);
  return fastTwoSum(s.hi, s.lo + (a.lo + b.lo));
}

inline DoubleDouble negate(DoubleDouble a) {
  return {-a.hi, -a.lo};
}

// a / b, for b far from overflow and underflow.
inline DoubleDouble divide(DoubleDouble a, DoubleDouble b) {
  const double q = a.hi / b.hi;
  const DoubleDouble p = twoProduct(q, b.hi);
  const double remainder = ((a.hi - p.hi) - p.lo) + a.lo - q * b.lo;
  return fastTwoSum(q, remainder / b.hi);
}

// sqrt(a), for a.hi > 0 and far from overflow and underflow.
inline DoubleDouble squareRoot(DoubleDouble a) {
  const double s = std::sqrt(a.hi);
  const DoubleDouble square = twoProduct(s, s);
  return fastTwoSum(s, (((a.hi - square.hi) - square.lo) + a.lo) / (2.0 * s));
}

}  // namespace vev::dmath
