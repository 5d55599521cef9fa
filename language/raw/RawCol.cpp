#include "language/raw/RawCol.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

RawCol::~RawCol() {
    ReleaseChildren(m_elements);
}

int RawCol::GetSize() const {
    return static_cast<int>(m_elements.size());
}

RPtr<RawExpr> RawCol::GetElement(int index) const {
    if (index < 0 || index >= GetSize()) throw Bug("RawCol.cpp", 10);
    return m_elements[static_cast<std::size_t>(index)];
}

void RawCol::Append(RPtr<RawExpr> element) {
    if (!element) throw Bug("RawCol.cpp", 15);
    if (element->IsVar() || element->IsCon()) m_hasVariables = true;
    m_elements.push_back(std::move(element));
}

} // namespace TavLanguage
