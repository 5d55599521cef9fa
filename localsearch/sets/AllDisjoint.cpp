#include "localsearch/sets/AllDisjoint.hpp"

namespace GLSLib {

AllDisjoint::AllDisjoint(const std::vector<SetObj*>& args)
    : m_args(args), m_mirror(args), m_counts(static_cast<unsigned>(m_mirror.NumValues()), 0) {
    for (std::size_t k = 1; k < m_args.size(); ++k)
        m_maxOverlap += m_args[k]->NumValues();
    AttachToArguments();
    Rebuild();
}

std::ostream& AllDisjoint::Print(std::ostream& os) const {
    os << "AllDisjoint([";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        os << (i ? "," : "") << *m_args[i];
    return os << "])";
}

void AllDisjoint::Initialise() {
    Con::Initialise();
    Rebuild();
}

void AllDisjoint::Rebuild() {
    m_mirror.Clear();
    std::fill(m_counts.begin(), m_counts.end(), 0);
    m_overlap = 0;
    for (std::size_t k = 0; k < m_args.size(); ++k)
        for (int i = 0; i < m_mirror.NumElements(static_cast<int>(k)); ++i)
            if (m_args[k]->IsMember(i)) {
                m_mirror.SetBit(static_cast<int>(k), i, true);
                if (++m_counts[static_cast<unsigned>(m_mirror.ValueIndex(static_cast<int>(k), i))] > 1)
                    ++m_overlap;
            }
}

void AllDisjoint::UpdateElement(int position, int index, bool isMember) {
    if (!m_mirror.Apply(position, index, isMember)) return;
    int& count = m_counts[static_cast<unsigned>(m_mirror.ValueIndex(position, index))];
    if (isMember) {
        if (++count > 1) ++m_overlap;
    } else {
        if (--count >= 1) --m_overlap;
    }
    ForwardConChange();
}

} // namespace GLSLib
