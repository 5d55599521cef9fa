#pragma once
// Collections of the raw model: arrays, set values, ranges and tuples.

#include "language/raw/RawExpr.hpp"

#include <vector>

namespace TavLanguage {

class RawCol : public RawExpr {
public:
    ~RawCol() override;

    int GetSize() const override;
    // Element `index` (0-based); throws Bug when out of range.
    RPtr<RawExpr> GetElement(int index) const override;
    // True when an element is a variable, an expression over variables or a constraint.
    bool IsVar() const override { return m_hasVariables; }
    // The stored elements (empty for a range, whose elements are made on demand).
    const std::vector<RPtr<RawExpr>>& GetElements() const { return m_elements; }

protected:
    explicit RawCol(RawType type) : RawExpr(type) {}
    void Append(RPtr<RawExpr> element);
    void Reserve(std::size_t count) { m_elements.reserve(count); }

private:
    std::vector<RPtr<RawExpr>> m_elements;
    bool m_hasVariables = false;
};

} // namespace TavLanguage
