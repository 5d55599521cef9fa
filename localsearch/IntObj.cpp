#include "localsearch/IntObj.hpp"

namespace GLSLib {

std::ostream& IntObj::Print(std::ostream& os) const {
    const IntResult v = Value();
    return v ? os << *v : os << "undefined";
}

void IntObj::Update(int, int) {
    ForwardChange();
}

void IntObj::UpdateUndefined(int) {
    ForwardChange();
}

void IntObj::ForwardChange() {
    if (m_dependents.empty()) return;
    const IntResult value = Value();
    if (!value) {
        for (std::size_t i = 0; i < m_dependents.size(); ++i)
            m_dependents[i].node->UpdateUndefined(m_dependents[i].position);
        return;
    }
    // The value cannot change while the dependents above are told, so it is read once.
    ForwardValue(*value);
}

void IntObj::GetExtremeCandidates(std::vector<int>& out) const {
    const int lo = GetMin();
    const int hi = GetMax();
    out.push_back(lo);
    for (int c : {-1, 0, 1})
        if (lo < c && c < hi) out.push_back(c);
    out.push_back(hi);
}

} // namespace GLSLib
