#pragma once
// A constant set: its universe is its sorted distinct values, all members.

#include "localsearch/SetObj.hpp"

#include <vector>

namespace GLSLib {

class SetVal : public SetObj {
public:
    explicit SetVal(const std::vector<int>& values);
    // "{", the values separated by ",", "}" and a new line.
    std::ostream& Print(std::ostream& os) const override;
    // A constant has no arguments: throws Platform::InternalError.
    ExprObj* GetArg(int i) const override;
    unsigned NumArgs() const override { return 0; }
    int UniverseSize() const override { return m_cardinality; }
    int GetIntValue() const override { return m_cardinality; }
    int NumMembers() const override { return m_cardinality; }
    bool ContainsValue(int value) const override;
    int NumValues() const override { return m_cardinality; }
    bool IsMember(int index) const override { return index >= 0 && index < m_cardinality; }
    int ValueAt(int index) const override { return m_values[static_cast<unsigned>(index)]; }

private:
    int m_cardinality;
    std::vector<int> m_values;
};

} // namespace GLSLib
