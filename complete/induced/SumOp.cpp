#include "complete/induced/SumOp.hpp"

#include <ostream>

namespace GFCLib {

void SumOp::PrintExpr(std::ostream& os) const {
    os << "Sum(";
    PrintList(os, m_operands);
    os << ")";
}

} // namespace GFCLib
