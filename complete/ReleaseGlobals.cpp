#include "complete/ReleaseGlobals.hpp"

#include "complete/Constraint.hpp"
#include "complete/FiniteDomainSpec.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/SetDomSpec.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

void ReleaseGlobals() {
    IntDomainSpec::ReleaseAll();
    FiniteDomainSpec::ReleaseAll();
    SetDomSpec::ReleaseAll();
    Variable::ResetIdCounter();
    Constraint::ResetIdCounter();
}

} // namespace GFCLib
