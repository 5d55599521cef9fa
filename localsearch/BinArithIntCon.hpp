#pragma once
// Base of the arithmetic comparisons: the violation is a scaled distance between the values,
// 0 for distance 0, 1000 for distance 1, rising towards 1100 for large distances.

#include "localsearch/BinIntCon.hpp"

#include "localsearch/Arithmetic.hpp"

namespace GLSLib {

class BinArithIntCon : public BinIntCon {
public:
    BinArithIntCon(IntObj* left, IntObj* right) : BinIntCon(left, right) {}
    // A NumericFeature when the operands contain arithmetic, else a FeatureCon.
    Feature* CreateFeature() override;
    // 1000 x (K+1)d / (K d + 1) with K = 10, d the distance (64-bit arithmetic); the maximum
    // violation when an operand is undefined.
    double GetViolation() const override;
    // (1000 K + 1000) / K = 1100.
    double GetMaxViolation() const override { return (1000 * kDistanceFactor + 1000) / kDistanceFactor; }
    // How far the values are from satisfying the comparison; none when an operand is
    // undefined.
    virtual DistanceResult GetDistance() const = 0;

    // The violation of a distance d (d >= 0).
    static double ScaledViolation(double distance);

    static constexpr int kDistanceFactor = 10;
};

} // namespace GLSLib
