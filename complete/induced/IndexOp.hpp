#pragma once
// The induced variable values[index] (0-based) over an integer index variable and a list of
// integer values.

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class IndexOp : public InducedIntVar {
public:
    // Throws Platform::InternalError when index is null.
    IndexOp(IntVar* index, const std::vector<Value>& values);
    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool WantsPropagation() const override { return true; }
    bool Propagate() override;

private:
    bool At(long long i, int& v) const;

    IntVar* m_index;
    std::vector<int> m_values;
};

} // namespace GFCLib
