#pragma once
// The sum of the arguments, cached (exactly, in 64 bits) and updated by difference when one
// argument changes. Undefined while any argument is undefined and where the sum leaves the
// int range; bounds saturated.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/IntNaryOp.hpp"
#include "localsearch/expr/ArgumentCache.hpp"

namespace GLSLib {

class Sum : public IntNaryOp {
public:
    explicit Sum(const std::vector<IntObj*>& args);
    std::string GetName() const override { return "Sum"; }
    bool IsArithmetic() override { return true; }
    // Initialises the arguments, then rebuilds the cache and the bounds.
    void Initialise() override;
    // Argument position now has value: updates the sum, then tells the dependents if the
    // sum changed.
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    // Undefined while an argument is undefined.
    IntResult Value() const override {
        if (m_cache.AnyUndefined()) return std::nullopt;
        return ExactInt(m_sum);
    }
    int GetMin() const override { return m_lower; }
    int GetMax() const override { return m_upper; }

private:
    void Rebuild();

    int m_upper = 0;
    int m_lower = 0;
    std::int64_t m_sum = 0;
    ArgumentCache m_cache;
};

} // namespace GLSLib
