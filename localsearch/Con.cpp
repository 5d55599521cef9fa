#include "localsearch/Con.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/LogicalCon.hpp"
#include "localsearch/ModelState.hpp"
#include "localsearch/features/FeatureCon.hpp"

namespace GLSLib {

Con::Con() : m_state(&CurrentState()), m_id(m_state->values.constraintCount++) {}

void Con::Update(int, int) {
    ForwardConChange();
}

void Con::UpdateUndefined(int) {
    ForwardConChange();
}

void Con::ForwardConChange() {
    if (m_dependents.empty()) return;
    const double violation = GetViolation();
    const int truth = violation == 0.0 ? 1 : 0;
    const int truncated = TruncateToInt(violation);
    for (std::size_t i = 0; i < m_dependents.size(); ++i) {
        ExprObj* node = m_dependents[i].node;
        if (node->IsLogical())
            static_cast<LogicalCon*>(node)->UpdateViolation(m_dependents[i].position, truncated);
        else
            node->Update(m_dependents[i].position, truth);
    }
}

Feature* Con::CreateFeature() {
    return new FeatureCon(this);
}

int Con::GetWeight() const {
    return m_state->values.constraintWeight;
}

int Con::GetCount() {
    return CurrentState().values.constraintCount;
}

void Con::ResetCount() {
    CurrentState().values.constraintCount = 0;
}

void Con::SetWeight(int weight) {
    CurrentState().values.constraintWeight = weight;
}

} // namespace GLSLib
