#pragma once
// A decision variable (codes 50 BoolVar, 52 IntVar, 54 FltVar, 56 SetVar, 58 StrVar) with its
// name, its domain (none for boolean and real variables) and a serial number.
// Serial numbers are taken in creation order from a counter of the creating thread, which the
// RawCSP constructor resets to 0: the variables of one problem are numbered 0, 1, 2, ...

#include "language/raw/RawDom.hpp"

#include <string>

namespace TavLanguage {

class RawVar : public RawExpr {
public:
    // Throws Bug when the kind is not a variable kind.
    RawVar(RawType type, std::string name, RPtr<RawDom> domain);
    std::string GetName() const override { return m_name; }
    int GetId() const override { return m_id; }
    bool IsVar() const override { return true; }
    bool IsSetValued() const override { return GetType() == RawType::SetVar; }
    // Name of the domain; empty when the variable has none.
    std::string GetDomainName() const;
    const RPtr<RawDom>& GetDomain() const { return m_domain; }

    // Restarts the serial numbers of this thread at 0.
    static void ResetIdCounter();

private:
    std::string m_name;
    RPtr<RawDom> m_domain;
    int m_id;
};

} // namespace TavLanguage
