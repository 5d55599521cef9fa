#pragma once
// An integer variable over the global domain description "BoolDomain" (0 and 1), printed as True/False.

#include "complete/IntVar.hpp"

namespace GFCLib {

class BoolVar : public IntVar {
public:
    explicit BoolVar(const char* name = nullptr);

protected:
    // "True ", "False", or "Illegal value=" and the value.
    void PrintValue(std::ostream& os) const override;
};

} // namespace GFCLib
