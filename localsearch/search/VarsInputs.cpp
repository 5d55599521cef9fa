#include "localsearch/search/VarsInputs.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"

namespace GLSLib {

void VarsInputs::Initialise(const GLSCSP& problem) {
    for (IntVar* v : problem.GetVariables())
        if (m_inputs.size() <= static_cast<unsigned>(v->GetId()))
            m_inputs.resize(static_cast<unsigned>(v->GetId()) + 1, 0);
}

} // namespace GLSLib
