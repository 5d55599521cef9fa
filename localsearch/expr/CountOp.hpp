#pragma once
// The number of arguments whose value is one of the counted values, cached and updated per
// changed argument. Undefined while any argument is undefined.

#include "localsearch/IntNaryOp.hpp"
#include "localsearch/IntSet.hpp"
#include "localsearch/expr/ArgumentCache.hpp"

namespace GLSLib {

class CountOp : public IntNaryOp {
public:
    CountOp(const std::vector<IntObj*>& args, const std::vector<int>& values);
    // "Count([", the arguments, "],[", the counted values ascending, "])".
    std::ostream& Print(std::ostream& os) const override;
    std::string GetName() const override { return "Count"; }
    bool IsArithmetic() override { return false; }
    void Initialise() override;
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    // Undefined while an argument is undefined.
    IntResult Value() const override {
        if (m_cache.AnyUndefined()) return std::nullopt;
        return m_count;
    }
    int GetMin() const override { return 0; }
    int GetMax() const override { return static_cast<int>(m_args.size()); }

private:
    void Rebuild();

    IntSet m_values;
    ArgumentCache m_cache;
    int m_count = 0;
};

} // namespace GLSLib
