#include "localsearch/ga/GGA_ND.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/StopReset.hpp"
#include "platform/FatalError.hpp"

namespace GLSLib {

GGA_ND::GGA_ND() : m_population(m_problem), m_best(m_problem), m_solution(m_problem) {}

int GGA_ND::GetCost() {
    if (!IsSolved()) return INT_MAX;
    return SaturateToInt(static_cast<std::int64_t>(m_solution.GetSoft()) + m_solution.GetObjective());
}

int GGA_ND::GetSoftCost() {
    return IsSolved() ? m_solution.GetSoft() : INT_MAX;
}

void GGA_ND::SetParameter(int id, int value) {
    ModelValues& settings = m_problem.Values();
    switch (id) {
    case 1:
        // Breeding draws two different parents from a pool of at least 3.
        if (value < 3 || value > kGaReservedIndividuals)
            throw Platform::ParameterError("Invalid Parameter\n");
        settings.gaPopulationSize = value;
        break;
    case 3:
        // A percentage of the variables: more than all of them cannot be mutated.
        if (value < 0 || value > 100) throw Platform::ParameterError("Invalid Parameter\n");
        settings.gaMutationRate = static_cast<float>(static_cast<double>(static_cast<float>(value)) / 100.0);
        break;
    case 4: {
        // A percentage of the population in force now, so the population must be set first.
        const float product = static_cast<float>(settings.gaPopulationSize) * static_cast<float>(value);
        const int pool = TruncateToInt(static_cast<double>(product) / 100.0);
        if (pool < 3 || pool > settings.gaPopulationSize)
            throw Platform::ParameterError("Invalid Parameter\n");
        settings.gaPoolSize = pool;
        break;
    }
    case 5:
        if (value < 0) throw Platform::ParameterError("Invalid Parameter\n");
        settings.gaMaxGenerations = value;
        break;
    case 6:
        if (value < 0) throw Platform::ParameterError("Invalid Parameter\n");
        settings.gaStallLimit = value;
        break;
    case 7:
        // Feature costs and lambda weigh penalties: a negative one would reward them.
        if (value < 0) throw Platform::ParameterError("Invalid Parameter\n");
        settings.gaFeatureCost = value;
        break;
    case 8:
        if (value < 0) throw Platform::ParameterError("Invalid Parameter\n");
        settings.gaLambda = value;
        break;
    case 9:
        settings.objectiveWeight = value;
        break;
    case 2:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
        break;
    default:
        throw Platform::ParameterError("Invalid Parameter\n");
    }
}

bool GGA_ND::Solve() {
    const StopReset stopReset(m_stopRequested);
    const ModelScope scope(m_problem);
    return Run();
}

bool GGA_ND::Finish() {
    m_solution.Store();
    m_stats.IncSolutions();
    return true;
}

bool GGA_ND::Run() {
    m_stats.SetBestCost(INT_MAX);
    m_stats.SetBestViolations(INT_MAX);
    bool found = false;
    int stall = 0;
    int runViolations = INT_MAX;
    int runCost = INT_MAX;
    m_stats.StartTimer();
    m_population.Start();
    if (m_stopRequested.load()) return false;
    const bool hasObjective = m_problem.HasObjective();
    const int stallLimit = m_problem.Values().gaStallLimit;
    for (;;) {
        // A generation of a large problem takes long: the stop request is also looked at
        // between individuals, and a generation cut short is not used.
        if (!m_population.EvaluateAll(m_stopRequested)) return found ? Finish() : false;
        m_population.Sort();
        m_best.Assign(m_population.GenerationBest());
        m_stats.SetBestViolations(static_cast<std::uint32_t>(m_best.GetHard()));

        const bool improved =
            m_best.GetHard() < runViolations ||
            (m_best.GetHard() == 0 && runViolations == 0 && m_best.GetObjective() < runCost);
        if (!improved) {
            ++stall;
        } else {
            runViolations = m_best.GetHard();
            stall = 0;
            if (m_best.GetHard() == 0) {
                runCost = m_best.GetObjective();
                // A generation's best may later be outranked by an infeasible individual of
                // smaller fitness, so the best feasible one is kept apart and returned.
                if (!found || runCost < m_solution.GetObjective()) {
                    m_solution.Assign(m_best);
                    m_bestCost = runCost;
                    m_stats.SetBestCost(runCost);
                    if (m_onNewBest) {
                        // Each individual is written into the variables before it is evaluated,
                        // so this one may be too.
                        m_solution.Store();
                        m_onNewBest(runCost);
                    }
                }
                found = true;
                if (!hasObjective) return Finish();
            }
        }
        if (stall > stallLimit) {
            m_population.PenaltyStep(m_best);
            if (!m_population.EvaluateAll(m_stopRequested)) return found ? Finish() : false;
            stall = 0;
            runViolations = m_best.GetHard();
            runCost = m_best.GetObjective();
        }
        m_stats.SetBestViolations(static_cast<std::uint32_t>(m_best.GetHard()));
        m_stats.SetGeneration(m_population.GetGeneration());
        CountStep();

        if (m_population.NextGeneration()) {
            if (found) return Finish();
            m_stats.RecordRun(static_cast<std::uint32_t>(runViolations), runCost);
            m_stats.IncRestarts();
        } else {
            m_population.SelectPool();
            m_population.Breed(m_stopRequested);
        }
        if (m_stopRequested.load()) {
            return found ? Finish() : false;
        }
    }
}

} // namespace GLSLib
