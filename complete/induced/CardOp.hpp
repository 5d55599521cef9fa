#pragma once
// The induced variable |s|, the number of members of a set variable.

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class SetVar;

class CardOp : public InducedIntVar {
public:
    // Throws Platform::InternalError when set is null.
    void Init(SetVar* set);
    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;

private:
    SetVar* m_set = nullptr;
};

} // namespace GFCLib
