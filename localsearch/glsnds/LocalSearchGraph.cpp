#include "localsearch/glsnds/LocalSearchGraph.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"

#include <cstdint>

namespace GLSLib {

int LocalSearchGraph::CurrentCost() const {
    const std::int64_t objective =
        m_problem->HasObjective() ? m_problem->GetObjective()->GetObjectiveValue() : 0;
    return SaturateToInt(objective + m_violated.SoftWeight());
}

void LocalSearchGraph::Store() {
    m_storedCost = CurrentCost();
    m_storedSoftCost = m_violated.SoftWeight();
    const std::vector<IntVar*>& vars = m_problem->GetVariables();
    m_storedValues.resize(vars.size());
    for (std::size_t i = 0; i < vars.size(); ++i)
        m_storedValues[i] = vars[i]->GetValueIndex();
}

bool LocalSearchGraph::StoredIsCurrent() const {
    const std::vector<IntVar*>& vars = m_problem->GetVariables();
    for (std::size_t i = 0; i < vars.size() && i < m_storedValues.size(); ++i)
        if (m_storedValues[i] != vars[i]->GetValueIndex()) return false;
    return true;
}

void LocalSearchGraph::RestoreStored() {
    RestoreAssignment(m_storedValues, m_keepMoveLists);
}

} // namespace GLSLib
