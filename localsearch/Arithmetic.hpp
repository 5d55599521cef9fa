#pragma once
// Integer helpers of the model: exact results that must fit in an int, 32-bit arithmetic
// that wraps without undefined behaviour, saturation of wide results into the int range, and
// the double-to-int conversions.

#include <climits>
#include <cmath>
#include <cstdint>

#include "localsearch/Obj.hpp"

namespace GLSLib {

// v when it lies in the int range. A result outside it has no int value: the expression is
// undefined there (Obj::Undef), so a constraint over it is violated instead of holding for a
// wrapped-round number.
inline int ExactInt(std::int64_t v) {
    if (v < INT_MIN || v > INT_MAX) throw Obj::Undef();
    return static_cast<int>(v);
}
inline int ExactInt(__int128 v) {
    if (v < INT_MIN || v > INT_MAX) throw Obj::Undef();
    return static_cast<int>(v);
}
// a + b, a - b, a x b and -a computed exactly (see ExactInt).
inline int ExactAdd(int a, int b) {
    return ExactInt(static_cast<std::int64_t>(a) + b);
}
inline int ExactSub(int a, int b) {
    return ExactInt(static_cast<std::int64_t>(a) - b);
}
inline int ExactMul(int a, int b) {
    return ExactInt(static_cast<std::int64_t>(a) * b);
}
inline int ExactAbs(int a) {
    return ExactInt(a < 0 ? -static_cast<std::int64_t>(a) : static_cast<std::int64_t>(a));
}

// a + b, a - b, a * b modulo 2^32 (two's complement), never undefined.
inline int WrapAdd(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline int WrapSub(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
inline int WrapMul(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
inline int WrapNeg(int a) {
    return static_cast<int>(0u - static_cast<std::uint32_t>(a));
}
inline int WrapAbs(int a) {
    return a < 0 ? WrapNeg(a) : a;
}
// Low 32 bits of a 64-bit value.
inline int Low32(std::int64_t v) {
    return static_cast<int>(static_cast<std::uint32_t>(v));
}

// Quotient truncated toward zero and remainder with the sign of a; b must not be 0.
// INT_MIN / -1 wraps to INT_MIN and INT_MIN % -1 is 0.
inline int WrapDiv(int a, int b) {
    return Low32(static_cast<std::int64_t>(a) / b);
}
inline int WrapMod(int a, int b) {
    return static_cast<int>(static_cast<std::int64_t>(a) % b);
}

// v clamped into [INT_MIN, INT_MAX].
inline int SaturateToInt(std::int64_t v) {
    return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

// A double truncated toward zero and clamped into the int range; NaN gives 0.
inline int TruncateToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return INT_MAX;
    if (v <= -2147483648.0) return INT_MIN;
    return static_cast<int>(v);
}

// A double truncated toward zero to 64 bits, whose low 32 bits form the result; infinite,
// NaN and values beyond the 64-bit range give 0 (the conversion Power uses).
inline int ConvertPowerResult(double v) {
    if (!std::isfinite(v) || v >= 9223372036854775808.0 || v < -9223372036854775808.0) return 0;
    return Low32(static_cast<std::int64_t>(v));
}

// A violation (double, >= 0 in every constraint) limited to INT_MAX, so that engines can
// truncate it to int safely.
inline double SaturateViolation(double v) {
    return v > 2147483647.0 ? 2147483647.0 : v;
}

// The penalised cost of a constraint: trunc(violation x (lambda x present x penalty + 1)),
// formed in 64 bits and doubles and saturated into the int range.
inline int PenalisedCost(double violation, int lambda, bool present, int penalty) {
    const std::int64_t factor =
        static_cast<std::int64_t>(lambda) * (present ? 1 : 0) * static_cast<std::int64_t>(penalty) + 1;
    return TruncateToInt(violation * static_cast<double>(factor));
}

} // namespace GLSLib
