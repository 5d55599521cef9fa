#include "complete/BinaryConstraint.hpp"

#include "complete/IntVar.hpp"

namespace GFCLib {

void BinaryConstraint::SetArgs(CPObject* a, CPObject* b) {
    m_args.clear();
    m_vars.clear();
    AppendArg(a);
    AppendArg(b);
    IndexVars();
    for (int k = 0; k < 2; ++k) {
        const CPObject* o = m_args[static_cast<std::size_t>(k)];
        Side& side = m_sides[k];
        side = Side();
        if (o->IsVariable()) {
            side.var = dynamic_cast<IntVar*>(m_args[static_cast<std::size_t>(k)]);
            side.integer = side.var != nullptr && side.var->GetIntSpec() != nullptr;
        } else if (o->GetValue().GetTag() == Value::kInt || o->GetValue().GetTag() == Value::kBool) {
            side.integer = true;
            side.constant = o->GetValue().GetInt();
        }
    }
}

long long BinaryConstraint::Low(int k) const {
    const Side& side = m_sides[k];
    return side.var != nullptr ? side.var->MinInt() : side.constant;
}

long long BinaryConstraint::High(int k) const {
    const Side& side = m_sides[k];
    return side.var != nullptr ? side.var->MaxInt() : side.constant;
}

bool BinaryConstraint::KeepOrdered(int a, int b, long long gap) {
    IntVar* x = m_sides[a].var;
    IntVar* y = m_sides[b].var;
    if (x != nullptr && !x->Restrict(IntVar::kMinInt - gap, High(b) - gap)) return false;
    if (y != nullptr && !y->Restrict(Low(a) + gap, IntVar::kMaxInt + gap)) return false;
    return Low(a) + gap <= High(b);
}

Truth BinaryConstraint::Ordered(int a, int b, long long gap) const {
    if (High(a) + gap <= Low(b)) return Truth::True;
    if (Low(a) + gap > High(b)) return Truth::False;
    return Truth::Unknown;
}

} // namespace GFCLib
