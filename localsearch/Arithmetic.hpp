#pragma once
// Integer helpers of the model: exact results that must fit in an int, 32-bit arithmetic
// that wraps without undefined behaviour, saturation of wide results into the int range, and
// the double-to-int conversions.

#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>

namespace GLSLib {

// The value of an integer expression, or none where it is undefined (a division by zero, an
// index outside its list, a result outside the int range, an unassigned variable). Evaluation
// passes it up as a value: nothing unwinds. It reads as a std::optional<int>, but is one 64-bit
// word (an undefined value is a number outside the int range), returned in a register: the
// evaluation of every constraint goes through it.
class IntResult {
public:
    constexpr IntResult(int value) : m_bits(value) {}
    constexpr IntResult(std::nullopt_t) : m_bits(kUndefined) {}
    constexpr bool has_value() const { return m_bits != kUndefined; }
    constexpr explicit operator bool() const { return has_value(); }
    // The value (only when there is one).
    constexpr int operator*() const { return static_cast<int>(m_bits); }
    constexpr bool operator==(const IntResult& other) const = default;
    friend std::ostream& operator<<(std::ostream& os, const IntResult& r) {
        return r ? os << *r : os << "undefined";
    }

private:
    static constexpr std::int64_t kUndefined = std::int64_t{1} << 32;
    std::int64_t m_bits;
};

// A distance from satisfying a comparison (a double >= 0), or none where an operand is
// undefined; one double, returned in a register, read as a std::optional<double>.
class DistanceResult {
public:
    constexpr DistanceResult(double distance) : m_distance(distance) {}
    constexpr DistanceResult(std::nullopt_t) : m_distance(-1.0) {}
    constexpr bool has_value() const { return m_distance >= 0.0; }
    constexpr explicit operator bool() const { return has_value(); }
    constexpr double operator*() const { return m_distance; }

private:
    double m_distance;
};

// v when it lies in the int range. A result outside it has no int value: the expression is
// undefined there, so a constraint over it is violated instead of holding for a wrapped-round
// number.
inline IntResult ExactInt(std::int64_t v) {
    if (v < INT_MIN || v > INT_MAX) return std::nullopt;
    return static_cast<int>(v);
}
inline IntResult ExactInt(__int128 v) {
    if (v < INT_MIN || v > INT_MAX) return std::nullopt;
    return static_cast<int>(v);
}
// a + b, a - b, a x b and |a| computed exactly (see ExactInt); undefined when an operand is.
inline IntResult ExactAdd(IntResult a, IntResult b) {
    if (!a || !b) return std::nullopt;
    return ExactInt(static_cast<std::int64_t>(*a) + *b);
}
inline IntResult ExactSub(IntResult a, IntResult b) {
    if (!a || !b) return std::nullopt;
    return ExactInt(static_cast<std::int64_t>(*a) - *b);
}
inline IntResult ExactMul(IntResult a, IntResult b) {
    if (!a || !b) return std::nullopt;
    return ExactInt(static_cast<std::int64_t>(*a) * *b);
}
inline IntResult ExactAbs(IntResult a) {
    if (!a) return std::nullopt;
    return ExactInt(*a < 0 ? -static_cast<std::int64_t>(*a) : static_cast<std::int64_t>(*a));
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
