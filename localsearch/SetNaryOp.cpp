#include "localsearch/SetNaryOp.hpp"

#include "platform/FatalError.hpp"

namespace GLSLib {

SetNaryOp::SetNaryOp(const std::vector<SetObj*>& args) : m_args(args) {
    for (std::size_t k = 0; k < m_args.size(); ++k) {
        const int n = m_args[k]->NumValues();
        for (int i = 0; i < n; ++i) {
            const int value = m_args[k]->ValueAt(i);
            if (m_indexByValue.emplace(value, static_cast<int>(m_universe.size())).second)
                m_universe.push_back(value);
        }
    }
    m_bits.assign(m_universe.size(), 0);
    AttachToArguments();
}

std::ostream& SetNaryOp::Print(std::ostream& os) const {
    os << GetName() << "([";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        os << (i ? "," : "") << *m_args[i];
    return os << "])";
}

void SetNaryOp::Update(int, int) {
    throw Platform::InternalError("Update reached a set operator: it takes element updates only");
}

bool SetNaryOp::ContainsValue(int value) const {
    auto it = m_indexByValue.find(value);
    return it != m_indexByValue.end() && m_bits[static_cast<unsigned>(it->second)] != 0;
}

void SetNaryOp::AddMember(int value) {
    auto it = m_indexByValue.find(value);
    if (it != m_indexByValue.end()) AddMemberAt(it->second);
}

void SetNaryOp::RemoveMember(int value) {
    auto it = m_indexByValue.find(value);
    if (it != m_indexByValue.end()) RemoveMemberAt(it->second);
}

void SetNaryOp::AddMemberAt(int index) {
    unsigned char& bit = m_bits[static_cast<unsigned>(index)];
    if (bit) return;
    bit = 1;
    ++m_memberCount;
    TellDependents(index);
}

void SetNaryOp::RemoveMemberAt(int index) {
    unsigned char& bit = m_bits[static_cast<unsigned>(index)];
    if (!bit) return;
    bit = 0;
    --m_memberCount;
    TellDependents(index);
}

void SetNaryOp::TellDependents(int index) {
    const bool isMember = m_bits[static_cast<unsigned>(index)] != 0;
    for (std::size_t j = 0; j < m_dependents.size(); ++j) {
        ExprObj* node = m_dependents[j].node;
        if (node->TakesElementUpdates())
            node->UpdateElement(m_dependents[j].position, index, isMember);
        else
            node->Update(m_dependents[j].position, m_memberCount);
    }
}

} // namespace GLSLib
