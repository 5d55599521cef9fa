#include "localsearch/sets/MemberCountOp.hpp"

#include <algorithm>

namespace GLSLib {

MemberCountOp::MemberCountOp(const std::vector<SetObj*>& args, int threshold)
    : SetNaryOp(args), m_mirror(args), m_counts(static_cast<unsigned>(m_mirror.NumValues()), 0),
      m_threshold(threshold) {
    Rebuild();
}

void MemberCountOp::Initialise() {
    SetNaryOp::Initialise();
    Rebuild();
}

void MemberCountOp::Rebuild() {
    m_mirror.Clear();
    std::fill(m_counts.begin(), m_counts.end(), 0);
    for (std::size_t k = 0; k < m_args.size(); ++k)
        for (int i = 0; i < m_mirror.NumElements(static_cast<int>(k)); ++i)
            if (m_args[k]->IsMember(i)) {
                m_mirror.SetBit(static_cast<int>(k), i, true);
                ++m_counts[static_cast<unsigned>(m_mirror.ValueIndex(static_cast<int>(k), i))];
            }
    for (std::size_t v = 0; v < m_counts.size(); ++v) {
        if (m_counts[v] >= m_threshold)
            AddMemberAt(static_cast<int>(v));
        else
            RemoveMemberAt(static_cast<int>(v));
    }
}

void MemberCountOp::UpdateElement(int position, int index, bool isMember) {
    if (!m_mirror.Apply(position, index, isMember)) return;
    const int v = m_mirror.ValueIndex(position, index);
    int& count = m_counts[static_cast<unsigned>(v)];
    if (isMember) {
        if (++count == m_threshold) AddMemberAt(v);
    } else {
        if (--count == m_threshold - 1) RemoveMemberAt(v);
    }
}

} // namespace GLSLib
