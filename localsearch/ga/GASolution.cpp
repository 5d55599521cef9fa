#include "localsearch/ga/GASolution.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "platform/FatalError.hpp"

#include <climits>

namespace GLSLib {

unsigned GASolution::Draw() const {
    return static_cast<unsigned>(m_problem->Random().Next());
}

int GASolution::GetPenalty() const {
    return TruncateToInt(static_cast<double>(m_penalty));
}

std::int64_t GASolution::GetFitness() const {
    std::int64_t f = static_cast<std::int64_t>(m_violationSum) + GetPenalty();
    if (Problem().HasObjective()) f += m_objective;
    return f;
}

void GASolution::Randomise() {
    const std::vector<IntVar*>& vars = Problem().GetVariables();
    m_values.resize(vars.size());
    for (std::size_t i = 0; i < vars.size(); ++i)
        m_values[i] = static_cast<int>(Draw() % static_cast<unsigned>(vars[i]->DomainSize()));
}

void GASolution::Store() const {
    const std::vector<IntVar*>& vars = Problem().GetVariables();
    if (m_values.size() != vars.size())
        throw Platform::InternalError("GASolution does not match the problem's variables");
    for (std::size_t i = 0; i < vars.size(); ++i)
        vars[i]->SetValueIndex(m_values[i]);
}

void GASolution::Assign(const GASolution& other) {
    m_hard = other.m_hard;
    m_objective = other.m_objective;
    m_soft = other.m_soft;
    m_violationSum = other.m_violationSum;
    m_penalty = static_cast<float>(other.GetPenalty());
    m_values = other.m_values;
}

void GASolution::Evaluate(const Table& featureCosts, const Table& penalties,
                          const std::vector<FeatureKey>& penalised) {
    Store();
    EvaluateConstraints();
    EvaluatePenalty(featureCosts, penalties, penalised);
}

void GASolution::EvaluateConstraints() {
    GLSCSP& problem = Problem();
    // Without an objective the objective part of the cost is 0, so that a feasible
    // individual reports cost 0 rather than the never-evaluated mark.
    m_objective = 0;
    if (Minimise* objective = problem.GetObjective()) {
        objective->Initialise();
        m_objective = objective->GetObjectiveValue();
    }
    m_soft = 0;
    m_hard = 0;
    m_violationSum = 0;
    m_penalty = 0.0f;
    for (Con* c : problem.GetConstraints()) {
        c->Initialise();
        if (!c->IsViolated()) continue;
        m_violationSum = TruncateToInt(static_cast<double>(m_violationSum) + c->GetViolation());
        if (c->IsHard())
            ++m_hard;
        else
            m_soft = SaturateToInt(static_cast<std::int64_t>(m_soft) + c->GetWeight());
    }
}

void GASolution::EvaluatePenalty(const Table& featureCosts, const Table& penalties,
                                 const std::vector<FeatureKey>& penalised) {
    const std::vector<IntVar*>& vars = Problem().GetVariables();
    float sum = 0.0f;
    for (const FeatureKey& f : penalised) {
        const auto v = static_cast<std::size_t>(f.first);
        const auto k = static_cast<std::size_t>(f.second);
        if (vars[v]->GetValueIndex() != f.second) continue;
        // Integer division, as the feature utility of the fitness is counted in whole units.
        const std::int64_t share =
            static_cast<std::int64_t>(featureCosts[v][k]) / (static_cast<std::int64_t>(penalties[v][k]) + 1);
        sum += static_cast<float>(share);
    }
    m_penalty = static_cast<float>(Problem().Values().gaLambda) * sum;
}

void GASolution::Crossover(const GASolution& p, const GASolution& q, const Table& penalties) {
    const std::size_t n = Problem().GetVariables().size();
    if (p.m_values.size() != n || q.m_values.size() != n)
        throw Platform::InternalError("GASolution parents do not match the problem's variables");
    m_values.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const int a = p.m_values[i];
        const int b = q.m_values[i];
        const std::int64_t wa = penalties[i][static_cast<std::size_t>(a)];
        const std::int64_t wb = penalties[i][static_cast<std::size_t>(b)];
        const std::int64_t r = static_cast<std::int64_t>(Draw()) % (wa + wb);
        m_values[i] = r < wa ? b : a;
    }
}

void GASolution::Mutate(const Table& penalties) {
    const std::vector<IntVar*>& vars = Problem().GetVariables();
    const std::size_t n = vars.size();
    if (m_values.size() != n)
        throw Platform::InternalError("GASolution does not match the problem's variables");
    std::vector<std::int64_t> weight(n);
    std::int64_t total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        weight[i] = penalties[i][static_cast<std::size_t>(m_values[i])];
        total += weight[i];
    }
    const double m = static_cast<double>(n) * static_cast<double>(Problem().Values().gaMutationRate);
    if (m <= 0.0 || total <= 0) return;
    std::vector<int> collected;
    for (double c = 0.0; c < m; c += 1.0) {
        // Roulette over the penalties of the features held: the more penalised a feature, the
        // likelier its variable is to change.
        const std::int64_t r = static_cast<std::int64_t>(Draw()) % total;
        std::size_t j = 0;
        std::int64_t running = weight[0];
        while (running <= r)
            running += weight[++j];
        const std::vector<int>& row = penalties[j];
        collected.clear();
        int least = INT_MAX;
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (row[k] < least) {
                least = row[k];
                collected.clear();
            }
            if (row[k] == least) collected.push_back(static_cast<int>(k));
        }
        m_values[j] = collected[Draw() % static_cast<unsigned>(collected.size())];
    }
}

} // namespace GLSLib
