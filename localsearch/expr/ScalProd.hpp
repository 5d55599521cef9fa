#pragma once
// The scalar product of the arguments and the coefficients, cached (exactly, in 128 bits) and
// updated by difference. Undefined while any argument is undefined and where the product
// leaves the int range; bounds saturated.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntNaryOp.hpp"
#include "localsearch/expr/ArgumentCache.hpp"

namespace GLSLib {

class ScalProd : public IntNaryOp {
public:
    // Throws ModelError when there are fewer coefficients than arguments.
    ScalProd(const std::vector<IntObj*>& args, const std::vector<int>& coefficients);
    std::string GetName() const override { return "ScalProd"; }
    bool IsArithmetic() override { return true; }
    void Initialise() override;
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    // Undefined while an argument is undefined.
    IntResult Value() const override {
        if (m_cache.AnyUndefined()) return std::nullopt;
        return ExactInt(m_value);
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }
    // The scalar product computed afresh; undefined as Value.
    virtual IntResult Recompute() const;
    const std::vector<int>& GetCoefficients() const { return m_coefficients; }

private:
    void Rebuild();

    int m_upper = 0;
    int m_lower = 0;
    std::vector<int> m_coefficients;
    ArgumentCache m_cache;
    __int128 m_value = 0;
};

} // namespace GLSLib
