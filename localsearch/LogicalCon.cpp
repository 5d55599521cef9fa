#include "localsearch/LogicalCon.hpp"

namespace GLSLib {

LogicalCon::LogicalCon(const std::vector<Con*>& args) : m_args(args) {
    AttachToArguments();
}

LogicalCon::LogicalCon(Con* a, Con* b) : m_args{a, b} {
    AttachToArguments();
}

std::ostream& LogicalCon::Print(std::ostream& os) const {
    if (m_args.size() == 2) return os << "(" << *m_args[0] << GetName() << *m_args[1] << ")";
    os << GetName() << "([";
    for (std::size_t i = 0; i < m_args.size(); ++i)
        os << (i ? "," : "") << *m_args[i];
    return os << "])";
}

void LogicalCon::UpdateViolation(int, int) {
    ForwardConChange();
}

} // namespace GLSLib
