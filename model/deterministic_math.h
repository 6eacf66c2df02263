#pragma once

// Trigonometric functions that give the same bits on every machine, compiler and C library, for
// everything that reaches the simulation's state. The C library's functions round their last bit
// differently from one library to the next; these use only +, -, *, / and sqrt (each correctly
// rounded by IEEE 754) in a fixed order, and the build forbids fused multiply-adds.
//
// Special values come out as the C library gives them: NaN in, NaN out; sin, cos and tan of an
// infinity and asin, acos beyond [-1, 1] are NaN; signed zeros are kept (sin, tan, atan, asin);
// acos(1) = +0, acos(-1) = pi, asin(+-1) = +-pi/2, atan(+-inf) = +-pi/2; atan2 of zeros and
// infinities follows C's table (atan2(+-0, -0) = +-pi, atan2(+-inf, -inf) = +-3pi/4, ...).
//
// Accuracy against long double, measured over a million arguments per function spread over its
// domain (the test; 16 million gave the figures in brackets): double forms within 0.566 (0.580)
// ulp for sin, 0.571 (0.582) for cos, 0.587 (0.600) for tan, and 0.503 (0.505) for atan, atan2,
// asin and acos (0.5 is correct rounding). The test holds them to 0.6, 0.6, 0.65 and 0.51 ulp. The
// float forms round a double result good to 2^-50 once, so they round correctly unless the true
// value lies within that of a halfway point between floats: every float form came within 0.5 ulp on
// every argument tried.
//
// sin, cos and tan reduce their argument exactly for |x| <= 2^19 pi (about 1.6e6; the program's
// angles are a few turns). Beyond that the argument is first reduced modulo the double nearest
// 2 pi, exactly (fmod), so the result is defined and in range but drifts from the true value by
// about |x| * 4e-17.
namespace vev::dmath {

double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double atan2(double y, double x);
double asin(double x);
double acos(double x);

float sin(float x);
float cos(float x);
float tan(float x);
float atan(float x);
float atan2(float y, float x);
float asin(float x);
float acos(float x);

}  // namespace vev::dmath
