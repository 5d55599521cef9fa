#include "complete/BinaryConstraint.hpp"

#include "complete/IntVar.hpp"

namespace GFCLib {

void BinaryConstraint::SetArgs(CPObject* a, CPObject* b) {
    m_args.clear();
    m_vars.clear();
    AppendArg(a);
    AppendArg(b);
    IndexVars();
}

IntVar* BinaryConstraint::IntA() const {
    return m_vars.size() == 2 ? dynamic_cast<IntVar*>(A()) : nullptr;
}

IntVar* BinaryConstraint::IntB() const {
    return m_vars.size() == 2 ? dynamic_cast<IntVar*>(B()) : nullptr;
}

bool BinaryConstraint::KeepOrdered(IntVar* a, IntVar* b, long long gap) {
    return a->Restrict(IntVar::kMinInt - gap, static_cast<long long>(b->MaxInt()) - gap) &&
           b->Restrict(static_cast<long long>(a->MinInt()) + gap, IntVar::kMaxInt + gap);
}

} // namespace GFCLib
