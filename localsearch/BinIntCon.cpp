#include "localsearch/BinIntCon.hpp"

namespace GLSLib {

BinIntCon::BinIntCon(IntObj* left, IntObj* right) : m_right(right), m_left(left) {
    AttachToArguments();
}

std::ostream& BinIntCon::Print(std::ostream& os) const {
    if (IsInfix()) return os << *m_left << GetName() << *m_right;
    if (IsPostfix()) return os << "(" << *m_left << "," << *m_right << ")" << GetName();
    if (IsPrefix()) return os << GetName() << "(" << *m_left << "," << *m_right << ")";
    return os;
}

} // namespace GLSLib
