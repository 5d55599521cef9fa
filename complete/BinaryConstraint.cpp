#include "complete/BinaryConstraint.hpp"

namespace GFCLib {

void BinaryConstraint::SetArgs(CPObject* a, CPObject* b) {
    m_args.clear();
    m_vars.clear();
    AppendArg(a);
    AppendArg(b);
    IndexVars();
}

} // namespace GFCLib
