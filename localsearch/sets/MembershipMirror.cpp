#include "localsearch/sets/MembershipMirror.hpp"

namespace GLSLib {

MembershipMirror::MembershipMirror(const std::vector<SetObj*>& args) {
    std::unordered_map<int, int> indexOf;
    m_valueIndex.resize(args.size());
    m_bits.resize(args.size());
    for (std::size_t k = 0; k < args.size(); ++k) {
        const int n = args[k]->NumValues();
        m_valueIndex[k].resize(static_cast<unsigned>(n));
        m_bits[k].assign(static_cast<unsigned>(n), 0);
        for (int i = 0; i < n; ++i) {
            const int value = args[k]->ValueAt(i);
            auto [it, inserted] = indexOf.emplace(value, static_cast<int>(m_values.size()));
            if (inserted) m_values.push_back(value);
            m_valueIndex[k][static_cast<unsigned>(i)] = it->second;
        }
    }
}

bool MembershipMirror::Apply(int k, int i, bool isMember) {
    if (k < 0 || static_cast<unsigned>(k) >= m_bits.size()) return false;
    std::vector<unsigned char>& bits = m_bits[static_cast<unsigned>(k)];
    if (i < 0 || static_cast<unsigned>(i) >= bits.size()) return false;
    if ((bits[static_cast<unsigned>(i)] != 0) == isMember) return false;
    bits[static_cast<unsigned>(i)] = isMember;
    return true;
}

void MembershipMirror::Clear() {
    for (auto& bits : m_bits)
        std::fill(bits.begin(), bits.end(), 0);
}

} // namespace GLSLib
