#include "complete/BoolVar.hpp"

#include <ostream>

namespace GFCLib {

BoolVar::BoolVar(const char* name) {
    SetDomainSpec(IntDomainSpec::BoolSpec());
    SetName(name);
}

void BoolVar::PrintValue(std::ostream& os) const {
    const Value& v = GetCurrentValue();
    if (v.IsInt() && v.GetInt() == 1)
        os << "True ";
    else if (v.IsInt() && v.GetInt() == 0)
        os << "False";
    else
        os << "Illegal value=" << v;
}

} // namespace GFCLib
