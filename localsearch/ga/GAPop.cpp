#include "localsearch/ga/GAPop.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/search/SearchTables.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <string>

namespace GLSLib {

GAPop::GAPop(GLSCSP& problem) : m_problem(&problem) {
    problem.Random().Seed(problem.Values().gaSeed);
}

bool GAPop::Init(const std::atomic<bool>& stop) {
    const std::vector<IntVar*>& vars = m_problem->GetVariables();
    if (m_allocated) {
        if (m_penalties.size() != vars.size())
            throw Platform::InternalError("The problem's variables changed after the population was created");
        return true;
    }
    const ModelValues& settings = m_problem->Values();
    // The feature tables keep a cell per value of every variable, as the local searches do.
    std::int64_t cells = 0;
    for (IntVar* v : vars)
        cells += v->DomainSize();
    if (cells > SearchTables::kMaxValueCells)
        throw ModelError("Problem too large: local search holds at most " +
                         std::to_string(SearchTables::kMaxValueCells) + " values over all its variables");
    const int size = settings.gaPopulationSize;
    const int pool = settings.gaPoolSize;
    // Breeding draws two different parents from the first pool - 1 members.
    if (size < 1 || size > kGaReservedIndividuals || pool < 3 || pool > size)
        throw Platform::ParameterError("Invalid Parameter\n");
    m_individuals.clear();
    m_pool.clear();
    m_individuals.reserve(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        m_individuals.push_back(std::make_unique<GASolution>(*m_problem));
    m_pool.reserve(static_cast<std::size_t>(pool));
    for (int i = 0; i < pool; ++i)
        m_pool.push_back(std::make_unique<GASolution>(*m_problem));
    m_generationBest = std::make_unique<GASolution>(*m_problem);
    m_penalisedFeatures.reserve(2000);
    m_penalties.clear();
    m_penalisedFlags.clear();
    m_featureCosts.clear();
    // Three rows per variable: on a problem of a million variables that takes long.
    for (IntVar* v : vars) {
        if (stop.load(std::memory_order_relaxed)) return false;
        const auto width = static_cast<std::size_t>(v->DomainSize());
        m_penalties.emplace_back(width, 1);
        m_penalisedFlags.emplace_back(width, false);
        m_featureCosts.emplace_back(width, settings.gaFeatureCost);
    }
    m_allocated = true;
    return true;
}

bool GAPop::RandomiseAll(const std::atomic<bool>& stop) {
    for (auto& individual : m_individuals) {
        if (stop.load(std::memory_order_relaxed)) return false;
        individual->Randomise();
    }
    return true;
}

bool GAPop::Start(const std::atomic<bool>& stop) {
    if (!Init(stop) || !RandomiseAll(stop)) return false;
    m_generation = 0;
    return true;
}

bool GAPop::EvaluateAll(const std::atomic<bool>& stop) {
    for (auto& individual : m_individuals) {
        if (stop.load(std::memory_order_relaxed)) return false;
        individual->Evaluate(m_featureCosts, m_penalties, m_penalisedFeatures);
    }
    return true;
}

void GAPop::Sort() {
    // A stable sort: individuals of equal fitness keep their order, so a seed repeats a run.
    std::stable_sort(m_individuals.begin(), m_individuals.end(),
                     [](const std::unique_ptr<GASolution>& a, const std::unique_ptr<GASolution>& b) {
                         return a->GetFitness() < b->GetFitness();
                     });
    m_generationBest->Assign(*m_individuals[0]);
}

void GAPop::SelectPool() {
    for (std::size_t i = 0; i < m_pool.size(); ++i)
        m_pool[i]->Assign(*m_individuals[i]);
}

void GAPop::Breed(const std::atomic<bool>& stop) {
    const float crossoverRate = m_problem->Values().gaCrossoverRate;
    const auto parents = static_cast<unsigned>(m_pool.size() - 1);
    m_individuals[0]->Assign(*m_pool[0]);
    for (std::size_t i = 1; i < m_individuals.size(); ++i) {
        if (stop.load(std::memory_order_relaxed)) return;
        const auto r = static_cast<float>(
            static_cast<double>(static_cast<unsigned>(m_problem->Random().Next()) % 100u) / 100.0);
        unsigned a = 0;
        unsigned b = 0;
        do {
            a = static_cast<unsigned>(m_problem->Random().Next()) % parents;
            b = static_cast<unsigned>(m_problem->Random().Next()) % parents;
        } while (a == b);
        GASolution& child = *m_individuals[i];
        if (r < crossoverRate) {
            child.Crossover(*m_pool[a], *m_pool[b], m_penalties);
        } else {
            child.Assign(*m_pool[a]);
            child.Mutate(m_penalties);
        }
    }
}

bool GAPop::NextGeneration(const std::atomic<bool>& stop) {
    ++m_generation;
    if (m_generation <= m_problem->Values().gaMaxGenerations) return false;
    (void)RandomiseAll(stop);
    m_generation = 0;
    return true;
}

void GAPop::PenaltyStep(const GASolution& best) {
    best.Store();
    const std::vector<IntVar*>& vars = m_problem->GetVariables();
    // Guided local search's utility rule: penalise the held features of greatest
    // cost / (penalty + 1); a feature of utility 0 is never chosen.
    double most = FLT_MIN;
    std::vector<GASolution::FeatureKey> chosen;
    for (std::size_t i = 0; i < vars.size(); ++i) {
        const int k = vars[i]->GetValueIndex();
        const auto ku = static_cast<std::size_t>(k);
        const double utility = static_cast<double>(static_cast<float>(m_featureCosts[i][ku])) /
                               (static_cast<double>(static_cast<float>(m_penalties[i][ku])) + 1.0);
        if (utility > most) {
            most = utility;
            chosen.clear();
        }
        if (utility == most) chosen.emplace_back(static_cast<int>(i), k);
    }
    for (const GASolution::FeatureKey& f : chosen) {
        const auto v = static_cast<std::size_t>(f.first);
        const auto k = static_cast<std::size_t>(f.second);
        ++m_penalties[v][k];
        if (!m_penalisedFlags[v][k]) {
            m_penalisedFlags[v][k] = true;
            m_penalisedFeatures.push_back(f);
        }
    }
}

} // namespace GLSLib
