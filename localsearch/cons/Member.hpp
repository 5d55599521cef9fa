#pragma once
// x is a member of s: cached violation 0 or 1000 (2000 while x is undefined), updated when x
// changes and when an element of s holding x's value changes membership.

#include "localsearch/Con.hpp"
#include "localsearch/SetObj.hpp"

namespace GLSLib {

class Member : public Con {
public:
    Member(IntObj* x, SetObj* s);
    // "Member(", x, ",", s, ")".
    std::ostream& Print(std::ostream& os) const override {
        return os << "Member(" << *m_element << "," << *m_set << ")";
    }
    ExprObj* GetArg(int i) const override { return i == 0 ? static_cast<ExprObj*>(m_element) : m_set; }
    unsigned NumArgs() const override { return 2; }
    bool TakesElementUpdates() const override { return true; }
    void Initialise() override;
    // Position 0 (x) now has value; other positions are ignored.
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    void UpdateElement(int position, int index, bool isMember) override;
    double GetViolation() const override { return m_violation; }
    double GetMaxViolation() const override { return 2000.0; }

private:
    void Recompute();
    void SetViolation(int violation);

    int m_violation = 0;
    SetObj* m_set;
    IntObj* m_element;
    // x's value as last reported, and whether it had one.
    int m_elementValue = 0;
    bool m_elementDefined = false;
};

} // namespace GLSLib
