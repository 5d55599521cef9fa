#pragma once
// value = list[index], 0-based: arguments (index, value) by SetArgs, and a copy of the list.

#include "complete/BinaryConstraint.hpp"
#include "complete/Value.hpp"

namespace GFCLib {

class Element : public BinaryConstraint {
public:
    Element() = default;
    Element(CPObject* index, CPObject* value, const std::vector<Value>& list)
        : BinaryConstraint(index, value), m_list(list) {}
    void SetValueList(const std::vector<Value>& list) { m_list = list; }
    const std::vector<Value>& GetValueList() const { return m_list; }
    const char* GetName() const override { return "Element"; }
    // "Element(index,[v0,v1,...],value)".
    void Print(std::ostream& os) const override;
    bool IsSatisfied() const override;
    // The index keeps only positions of the list (before the default preparation).
    bool Preprocess() override;
    bool FilterArg(int i) override;

private:
    std::vector<Value> m_list;
};

} // namespace GFCLib
