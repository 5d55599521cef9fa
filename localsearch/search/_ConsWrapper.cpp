#include "localsearch/search/_ConsWrapper.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"

#include <climits>

namespace GLSLib {

_ConsWrapper::_ConsWrapper() : m_cons(static_cast<unsigned>(Con::GetCount()), nullptr) {}

void _ConsWrapper::Build(const GLSCSP& problem) {
    m_cons.assign(static_cast<unsigned>(Con::GetCount()), nullptr);
    for (Con* c : problem.GetConstraints())
        m_cons[static_cast<unsigned>(c->GetId())] = c;
}

void _ConsWrapper::ComputeHardWeight(GLSCSP& problem, int& weight) {
    weight = 1;
    for (Con* c : problem.GetConstraints())
        if (!c->IsHard() && c->GetWeight() > weight) weight = c->GetWeight();
    // A weight beyond a tenth of the int range would wrap: the hard weight saturates instead.
    problem.Values().constraintWeight = weight > INT_MAX / 10 ? INT_MAX : 10 * weight;
}

} // namespace GLSLib
