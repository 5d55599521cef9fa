#include "localsearch/Minimise.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/ModelState.hpp"
#include "localsearch/features/NumericFeature.hpp"

#include <climits>

namespace GLSLib {

Minimise::Minimise(IntObj* objective) : m_objective(objective) {
    AttachToArguments();
}

std::ostream& Minimise::Print(std::ostream& os) const {
    return os << "Minimise(" << *m_objective << ")\n";
}

void Minimise::Initialise() {
    m_objective->Initialise();
    m_min = m_objective->GetMin();
    m_max = m_objective->GetMax();
    // Wide arithmetic: bounds far apart must not wrap into a negative range.
    const std::int64_t range = static_cast<std::int64_t>(m_max) - m_min;
    m_range = range <= 0 ? 1 : SaturateToInt(range);
}

Feature* Minimise::CreateFeature() {
    return new NumericFeature(this, State().values.currentEngine);
}

double Minimise::GetViolation() const {
    const IntResult objective = m_objective->Value();
    if (!objective) return GetMaxViolation();
    const int value = *objective;
    ModelValues& values = State().values;
    if (value < values.bestObjective) {
        values.bestObjective = value;
        return 0.0;
    }
    const __int128 excess = static_cast<__int128>(value) - values.bestObjective;
    const __int128 scaled =
        static_cast<__int128>(GGLS::UtilityScale()) * excess * values.objectiveWeight / m_range;
    if (scaled > INT_MAX) return 2147483647.0;
    if (scaled < INT_MIN) return -2147483648.0;
    return static_cast<double>(static_cast<int>(scaled));
}

namespace {
void MarkObjective(ExprObj* node, Minimise* objective) {
    if (node->NumArgs() == 0) {
        if (node->IsVariable()) static_cast<IntVar*>(node)->SetObjective(objective);
        return;
    }
    for (unsigned i = 0; i < node->NumArgs(); ++i)
        MarkObjective(node->GetArg(static_cast<int>(i)), objective);
}
} // namespace

void Minimise::Post() {
    for (unsigned i = 0; i < NumArgs(); ++i)
        MarkObjective(GetArg(static_cast<int>(i)), this);
}

int Minimise::GetObjectiveValue() const {
    const IntResult v = m_objective->Value();
    return v ? *v : INT_MAX;
}

int Minimise::BestValue() const {
    return State().values.bestObjective;
}

int Minimise::GetBestValue() {
    return CurrentState().values.bestObjective;
}

void Minimise::SetObjectiveWeight(int weight) {
    CurrentState().values.objectiveWeight = weight;
}

int Minimise::GetObjectiveWeight() {
    return CurrentState().values.objectiveWeight;
}

} // namespace GLSLib
