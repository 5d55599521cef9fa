#pragma once
// A set decision variable, built from one 0/1 element variable per universe value; the
// engines move the element variables and the set follows through the update protocol.
// An element is a member when its variable is assigned and not 0.

#include "localsearch/IntVar.hpp"
#include "localsearch/SetObj.hpp"

#include <string>
#include <utility>
#include <vector>

namespace GLSLib {

class SetVar : public SetObj {
public:
    // Creates the element variables "__<name>[i]" over one 0..1 domain "__BoolDom" of this
    // variable's own (made even when the universe is empty).
    SetVar(const char* name, const std::vector<int>& universe);

    // Writes the name.
    std::ostream& Print(std::ostream& os) const override { return os << m_name; }
    // Element elementIndex now has value: keeps the member flags and count, then tells the
    // dependents that take element updates.
    void Update(int elementIndex, int value) override;
    // Recomputes the member flags and count from the element variables.
    void Initialise() override;
    // Element variable i. Throws std::out_of_range for a bad index.
    ExprObj* GetArg(int i) const override { return m_elements.at(static_cast<unsigned>(i)); }
    unsigned NumArgs() const override { return static_cast<unsigned>(m_elements.size()); }
    int UniverseSize() const override { return NumValues(); }
    int GetIntValue() const override { return 0; }
    int NumMembers() const override { return m_memberCount; }
    // True when an element holding value is a member; false outside the universe.
    bool ContainsValue(int value) const override;
    int NumValues() const override { return static_cast<int>(m_universe.size()); }
    bool IsMember(int index) const override {
        return ElementIsMember(*m_elements[static_cast<unsigned>(index)]);
    }
    int ValueAt(int index) const override { return m_universe[static_cast<unsigned>(index)]; }

    // The name ("" when empty).
    const char* GetName() const { return m_name.c_str(); }
    // The 0..1 domain of the element variables.
    IntDom* GetElementDomain() const { return m_elementDomain; }

private:
    static bool ElementIsMember(const IntVar& element) {
        return element.IsAssigned() && element.GetValue() != 0;
    }

    std::string m_name;
    int m_memberCount = 0;
    std::vector<int> m_universe;
    std::vector<unsigned char> m_memberFlags;
    std::vector<IntVar*> m_elements;
    IntDom* m_elementDomain = nullptr;
    // (value, element index) sorted, for membership by value.
    std::vector<std::pair<int, int>> m_byValue;
};

} // namespace GLSLib
