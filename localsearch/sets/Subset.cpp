#include "localsearch/sets/Subset.hpp"

#include "platform/FatalError.hpp"

namespace GLSLib {

Subset::Subset(SetObj* a, SetObj* b)
    : m_a(a), m_b(b), m_mirror({a, b}), m_countA(static_cast<unsigned>(m_mirror.NumValues()), 0),
      m_countB(static_cast<unsigned>(m_mirror.NumValues()), 0) {
    AttachToArguments();
    Rebuild();
}

ExprObj* Subset::GetArg(int i) const {
    if (i == 0) return m_a;
    if (i == 1) return m_b;
    throw Platform::InternalError("Subset has two arguments");
}

void Subset::Initialise() {
    Con::Initialise();
    Rebuild();
}

void Subset::Rebuild() {
    m_mirror.Clear();
    std::fill(m_countA.begin(), m_countA.end(), 0);
    std::fill(m_countB.begin(), m_countB.end(), 0);
    const SetObj* args[2] = {m_a, m_b};
    std::vector<int>* counts[2] = {&m_countA, &m_countB};
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < m_mirror.NumElements(k); ++i)
            if (args[k]->IsMember(i)) {
                m_mirror.SetBit(k, i, true);
                ++(*counts[k])[static_cast<unsigned>(m_mirror.ValueIndex(k, i))];
            }
    m_missing = 0;
    for (std::size_t v = 0; v < m_countA.size(); ++v)
        if (m_countB[v] == 0) m_missing += m_countA[v];
}

void Subset::UpdateElement(int position, int index, bool isMember) {
    if (position != 0 && position != 1) throw Platform::InternalError("Subset has two arguments");
    if (!m_mirror.Apply(position, index, isMember)) return;
    const unsigned v = static_cast<unsigned>(m_mirror.ValueIndex(position, index));
    const int oldMissing = m_missing;
    if (position == 0) {
        m_countA[v] += isMember ? 1 : -1;
        if (m_countB[v] == 0) m_missing += isMember ? 1 : -1;
    } else if (isMember) {
        if (m_countB[v]++ == 0) m_missing -= m_countA[v];
    } else {
        if (--m_countB[v] == 0) m_missing += m_countA[v];
    }
    if (m_missing != oldMissing) ForwardConChange();
}

} // namespace GLSLib
