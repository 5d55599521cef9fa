#include "localsearch/NaryIntCon.hpp"

namespace GLSLib {

NaryIntCon::NaryIntCon(const std::vector<IntObj*>& args) : m_args(args) {
    AttachToArguments();
}

std::ostream& NaryIntCon::Print(std::ostream& os) const {
    os << GetName() << "([";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        os << (i ? "," : "") << *m_args[i];
    return os << "])";
}

} // namespace GLSLib
