#include "localsearch/IntNaryOp.hpp"

namespace GLSLib {

std::ostream& IntNaryOp::Print(std::ostream& os) const {
    os << GetName() << "([";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        os << (i ? "," : "") << *m_args[i];
    return os << "])";
}

} // namespace GLSLib
