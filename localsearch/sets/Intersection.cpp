#include "localsearch/sets/Intersection.hpp"

namespace GLSLib {

Intersection::Intersection(const std::vector<SetObj*>& args)
    : SetNaryOp(args), m_mirror(args), m_counts(static_cast<unsigned>(m_mirror.NumValues()), 0) {
    Rebuild();
}

void Intersection::Initialise() {
    SetNaryOp::Initialise();
    Rebuild();
}

void Intersection::Rebuild() {
    m_mirror.Clear();
    std::fill(m_counts.begin(), m_counts.end(), 0);
    for (std::size_t k = 0; k < m_args.size(); ++k)
        for (int i = 0; i < m_mirror.NumElements(static_cast<int>(k)); ++i)
            if (m_args[k]->IsMember(i)) {
                m_mirror.SetBit(static_cast<int>(k), i, true);
                ++m_counts[static_cast<unsigned>(m_mirror.ValueIndex(static_cast<int>(k), i))];
            }
    const int all = static_cast<int>(m_args.size());
    for (std::size_t v = 0; v < m_counts.size(); ++v) {
        if (m_counts[v] == all)
            AddMemberAt(static_cast<int>(v));
        else
            RemoveMemberAt(static_cast<int>(v));
    }
}

void Intersection::UpdateElement(int position, int index, bool isMember) {
    if (!m_mirror.Apply(position, index, isMember)) return;
    const int v = m_mirror.ValueIndex(position, index);
    int& count = m_counts[static_cast<unsigned>(v)];
    const int all = static_cast<int>(m_args.size());
    if (isMember) {
        if (++count == all) AddMemberAt(v);
    } else {
        if (--count < all) RemoveMemberAt(v);
    }
}

} // namespace GLSLib
