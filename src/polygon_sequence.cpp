// The side-doubling recurrence, kept to one rounded binary64 operation per step.
#include "polygon_sequence.hpp"

#include <cfloat>
#include <cmath>
#include <limits>

// The printed digits are those of this exact sequence of rounded double operations. A build that
// widens intermediates, fuses a multiply into an add, or reorders the arithmetic can print other
// digits (whether it does depends on where the compiler makes the change), so such builds are
// refused here rather than allowed to print them. (The messages stay
// on one line each, whole, as the compiler shows them.)
// clang-format off
#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__) || defined(_M_FP_FAST)
#error "polygon-pi: -ffast-math, -Ofast or /fp:fast (or -ffinite-math-only, which they imply) gives up the IEEE 754 arithmetic the printed digits depend on; build without them"
#endif
#if defined(__ASSOCIATIVE_MATH__) || defined(__RECIPROCAL_MATH__)
#error "polygon-pi: -funsafe-math-optimizations, -fassociative-math or -freciprocal-math reorders the arithmetic and changes the printed digits; build without them, or add -fno-unsafe-math-optimizations after them as the CMake build does"
#endif
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD != 0
#error "polygon-pi: this build keeps intermediates wider than double (FLT_EVAL_METHOD is not 0); on 32-bit x86 compile with -msse2 -mfpmath=sse, as the CMake build does"
#endif
#if defined(_M_IX86) && (!defined(_M_IX86_FP) || _M_IX86_FP < 2)
#error "polygon-pi: 32-bit x86 without SSE2 keeps intermediates wider than double; compile with /arch:SSE2"
#endif
// clang-format on
static_assert(std::numeric_limits<double>::is_iec559 && std::numeric_limits<double>::radix == 2 &&
                  std::numeric_limits<double>::digits == 53 &&
                  std::numeric_limits<double>::max_exponent == 1024,
              "polygon-pi needs double to be IEEE 754 binary64");

// Clang and MSVC honour a source-level ban on contraction; GCC ignores the pragma (and would warn),
// so for GCC the build passes -ffp-contract=off instead.
#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#elif defined(_MSC_VER)
#pragma fp_contract(off)
#endif

namespace polygon_pi {

PolygonState first_polygon() { return {kFirstSides, kFirstSideLength}; }

// Multiplying by 0.5 is exact, so this is the half perimeter rounded once.
double estimate_pi(PolygonState state) {
    const double perimeter = state.side_length * state.sides;
    return perimeter * kHalf;
}

// The new side is the hypotenuse of the right triangle with legs h (half the old side) and d (the
// sagitta). d = 1 - c cancels, but d enters only as d * d beside the far larger h * h, so its error
// hardly reaches the result; the textbook form sqrt(2 - 2c) takes the whole new side from that
// cancelled difference and stops improving long before the table ends. Each line is one rounded
// operation, in this order, on purpose.
PolygonState double_sides(PolygonState state) {
    const double h = state.side_length * kHalf;
    const double h2 = h * h;
    const double c = std::sqrt(kRadius - h2);  // the apothem
    const double d = kRadius - c;              // the sagitta
    const double d2 = d * d;
    return {state.sides + state.sides, std::sqrt(h2 + d2)};
}

}  // namespace polygon_pi
