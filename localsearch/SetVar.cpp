#include "localsearch/SetVar.hpp"

#include "localsearch/IntRangeDom.hpp"

#include <algorithm>

namespace GLSLib {

SetVar::SetVar(const char* name, const std::vector<int>& universe)
    : m_name(name ? name : ""), m_universe(universe), m_memberFlags(universe.size(), 0) {
    auto* boolDomain = new IntRangeDom("__BoolDom", 0, 1);
    m_elementDomain = boolDomain;
    m_elements.reserve(universe.size());
    for (std::size_t i = 0; i < universe.size(); ++i) {
        const std::string elementName = "__" + m_name + "[" + std::to_string(i) + "]";
        m_elements.push_back(new IntVar(elementName.c_str(), boolDomain));
        m_byValue.emplace_back(universe[i], static_cast<int>(i));
    }
    std::sort(m_byValue.begin(), m_byValue.end());
    AttachToArguments();
}

void SetVar::Update(int elementIndex, int value) {
    unsigned char& flag = m_memberFlags.at(static_cast<unsigned>(elementIndex));
    if (flag && value == 0) {
        flag = 0;
        --m_memberCount;
    } else if (!flag && value == 1) {
        flag = 1;
        ++m_memberCount;
    }
    for (std::size_t j = 0; j < m_dependents.size(); ++j)
        if (m_dependents[j].node->TakesElementUpdates())
            m_dependents[j].node->UpdateElement(m_dependents[j].position, elementIndex, value != 0);
}

void SetVar::Initialise() {
    m_memberFlags.assign(m_elements.size(), 0);
    m_memberCount = 0;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        m_memberFlags[i] = ElementIsMember(*m_elements[i]) ? 1 : 0;
        m_memberCount += m_memberFlags[i];
    }
}

bool SetVar::ContainsValue(int value) const {
    auto it = std::lower_bound(m_byValue.begin(), m_byValue.end(), std::make_pair(value, 0));
    for (; it != m_byValue.end() && it->first == value; ++it)
        if (IsMember(it->second)) return true;
    return false;
}

} // namespace GLSLib
