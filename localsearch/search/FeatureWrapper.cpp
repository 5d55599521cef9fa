#include "localsearch/search/FeatureWrapper.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/features/Feature.hpp"
#include "localsearch/search/IdTable.hpp"

namespace GLSLib {

void FeatureWrapper::Grow() {
    const auto count = static_cast<unsigned>(Con::GetCount());
    GrowIdTable(m_features, count, nullptr);
}

void FeatureWrapper::AddConstraint(Con* c) {
    Grow();
    for (int k = 0; k < c->NumConjuncts(); ++k) {
        Con* part = c->GetConjunct(k);
        if (part != nullptr) Set(part->GetId(), part->CreateFeature());
    }
}

void FeatureWrapper::Build(GLSCSP& problem) {
    m_features.assign(static_cast<unsigned>(Con::GetCount()), nullptr);
    for (Con* c : problem.GetConstraints())
        AddConstraint(c);
    if (problem.HasObjective()) AddConstraint(problem.GetObjective());
}

void FeatureWrapper::Set(int id, Feature* f) {
    if (static_cast<unsigned>(id) >= m_features.size())
        m_features.resize(static_cast<unsigned>(id) + 1, nullptr);
    m_features[static_cast<unsigned>(id)] = f;
}

int FeatureWrapper::PenaltyTerm(int id) const {
    const Feature* f = Get(id);
    return f != nullptr && f->IsPresent() ? f->GetPenalty() : 0;
}

int FeatureWrapper::PreviousPenaltyTerm(int id) const {
    const Feature* f = Get(id);
    return f != nullptr && f->IsPresent() ? f->GetPreviousPenalty() : 0;
}

void FeatureWrapper::Notify(int id, int position, int valueIndex) {
    if (Feature* f = Get(id)) f->UpdateVariable(position, valueIndex);
}

int FeatureWrapper::WeightedCost(double violation, const Feature* f, int penaltyDelta) {
    if (violation == 0.0) return 0;
    if (f == nullptr || !f->IsPresent()) return TruncateToInt(violation);
    int penalty = f->GetPenalty() + penaltyDelta;
    if (penalty < 0) penalty = 0;
    return PenalisedCost(violation, f->Lambda(), true, penalty);
}

int FeatureWrapper::WeightedCost(const Con* c) const {
    const double violation = c->GetViolation();
    if (violation == 0.0) return 0;
    return WeightedCost(violation, Get(c->GetId()));
}

} // namespace GLSLib
