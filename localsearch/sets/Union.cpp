#include "localsearch/sets/Union.hpp"

namespace GLSLib {

// The mirror indexes values in the same first-seen order as the base's universe, so a value
// index of the mirror is a universe index of the result.
Union::Union(const std::vector<SetObj*>& args)
    : SetNaryOp(args), m_mirror(args), m_counts(static_cast<unsigned>(m_mirror.NumValues()), 0) {
    Rebuild();
}

void Union::Initialise() {
    SetNaryOp::Initialise();
    Rebuild();
}

void Union::Rebuild() {
    m_mirror.Clear();
    std::fill(m_counts.begin(), m_counts.end(), 0);
    for (std::size_t k = 0; k < m_args.size(); ++k)
        for (int i = 0; i < m_mirror.NumElements(static_cast<int>(k)); ++i)
            if (m_args[k]->IsMember(i)) {
                m_mirror.SetBit(static_cast<int>(k), i, true);
                ++m_counts[static_cast<unsigned>(m_mirror.ValueIndex(static_cast<int>(k), i))];
            }
    for (std::size_t v = 0; v < m_counts.size(); ++v) {
        if (m_counts[v] > 0)
            AddMemberAt(static_cast<int>(v));
        else
            RemoveMemberAt(static_cast<int>(v));
    }
}

void Union::UpdateElement(int position, int index, bool isMember) {
    if (!m_mirror.Apply(position, index, isMember)) return;
    const int v = m_mirror.ValueIndex(position, index);
    int& count = m_counts[static_cast<unsigned>(v)];
    if (isMember) {
        if (++count == 1) AddMemberAt(v);
    } else {
        if (--count == 0) RemoveMemberAt(v);
    }
}

} // namespace GLSLib
