#include "localsearch/search/Pinputs.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"

namespace GLSLib {

void Pinputs::Initialise(const GLSCSP& problem) {
    for (IntVar* v : problem.GetVariables()) {
        const auto id = static_cast<unsigned>(v->GetId());
        if (m_table.size() <= id) m_table.resize(id + 1);
        m_table[id].resize(static_cast<unsigned>(v->DomainSize()), 0);
    }
}

int Pinputs::Width() const {
    std::size_t width = 0;
    for (const std::vector<Score>& row : m_table)
        width = row.size() > width ? row.size() : width;
    return static_cast<int>(width);
}

} // namespace GLSLib
