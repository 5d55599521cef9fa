#pragma once
// The induced variable values[index] (0-based) over an integer index variable and a list of
// integer values. A position outside the list has no value, or, for a total one, gives 0 (for
// places that state the position's range by a condition of their own).

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class IndexOp : public InducedIntVar {
public:
    // Throws Platform::InternalError when index is null.
    IndexOp(IntVar* index, const std::vector<Value>& values, bool total = false);
    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;

private:
    bool At(long long i, int& v) const;
    bool PropagateTotal();

    IntVar* m_index;
    std::vector<int> m_values;
    bool m_total;
};

} // namespace GFCLib
