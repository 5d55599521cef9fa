#include "complete/induced/CardOp.hpp"

#include "complete/SetVar.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

void CardOp::Init(SetVar* set) {
    if (set == nullptr) throw Platform::InternalError("Cardinality needs a set variable");
    m_set = set;
    const SetDomain& d = set->GetDomain();
    SetComputedRange(std::max(d.MinSize(), d.Required().Size()), std::min(d.MaxSize(), d.Possible().Size()));
    Define(this, {set});
}

void CardOp::PrintExpr(std::ostream& os) const {
    os << "Card(";
    m_set->PrintName(os);
    os << ")";
}

bool CardOp::Holds() const {
    return m_set->GetSet().Size() == GetInt();
}

bool CardOp::Propagate() {
    if (m_set->IsInstantiated()) {
        const int size = m_set->GetSet().Size();
        return IsInstantiated() ? size == GetInt() : KeepInt(size);
    }
    SetDomain& d = m_set->GetDomain();
    if (!IsInstantiated() &&
        !KeepRange(std::max(d.MinSize(), d.Required().Size()), std::min(d.MaxSize(), d.Possible().Size())))
        return false;
    return d.LimitSize(MinInt(), MaxInt());
}

} // namespace GFCLib
