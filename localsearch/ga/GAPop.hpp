#pragma once
// The population of the genetic algorithm: fixed-size generations of individuals bred by
// truncation selection, penalty-weighted uniform crossover and penalty-guided mutation, and
// the guided-local-search style penalties of (variable, value) features that steer them.
// Owns its individuals. Feature tables are indexed by variable position and value index.

#include "localsearch/ga/GASolution.hpp"

#include <atomic>
#include <memory>
#include <vector>

namespace GLSLib {

class GLSCSP;

class GAPop {
public:
    // A population of problem's assignments. Restarts the problem's random sequence with the
    // population seed, so that a new population repeats its runs.
    explicit GAPop(GLSCSP& problem);
    virtual ~GAPop() = default;
    GAPop(const GAPop&) = delete;
    GAPop& operator=(const GAPop&) = delete;

    // Creates the individuals (first call only), then gives every one random values;
    // generation := 0. False when stop became true first (the next Start begins again).
    // Throws Platform::ParameterError ("Invalid Parameter\n") when the population or pool
    // size is out of range, Platform::InternalError when the problem's variables changed
    // since the individuals were created.
    bool Start(const std::atomic<bool>& stop);
    bool Start() { return Start(std::atomic<bool>{false}); }
    // Evaluates every individual with the current penalties; false when stop became true
    // before every individual was evaluated.
    bool EvaluateAll(const std::atomic<bool>& stop);
    bool EvaluateAll() { return EvaluateAll(std::atomic<bool>{false}); }
    // Sorts the individuals by ascending fitness (best first).
    void Sort();
    // The pool := copies of the best pool-size individuals.
    void SelectPool();
    // Next generation from the pool: the best survives, the rest are children by crossover
    // or mutated copies of parents drawn from all but the last pool member. Ends early (the
    // rest keep their values) when stop becomes true.
    void Breed(const std::atomic<bool>& stop);
    void Breed() { Breed(std::atomic<bool>{false}); }
    // Counts a generation; at the end of a run (more than the maximum number of generations)
    // gives every individual new random values, restarts the count and returns true. When
    // stop becomes true meanwhile, the rest keep their values.
    bool NextGeneration(const std::atomic<bool>& stop);
    bool NextGeneration() { return NextGeneration(std::atomic<bool>{false}); }
    // Penalises the features of greatest utility that best holds (best is written into the
    // variables first).
    void PenaltyStep(const GASolution& best);

    bool IsAllocated() const { return m_allocated; }
    int GetGeneration() const { return m_generation; }
    int Size() const { return static_cast<int>(m_individuals.size()); }
    int PoolSize() const { return static_cast<int>(m_pool.size()); }
    // Individual i (0 is the best after Sort); no range test.
    GASolution& Individual(int i) { return *m_individuals[static_cast<std::size_t>(i)]; }
    GASolution& PoolMember(int i) { return *m_pool[static_cast<std::size_t>(i)]; }
    // Copy of the best individual of the latest sorted generation.
    GASolution& GenerationBest() { return *m_generationBest; }
    const GASolution::Table& Penalties() const { return m_penalties; }
    const GASolution::Table& FeatureCosts() const { return m_featureCosts; }
    const std::vector<GASolution::FeatureKey>& PenalisedFeatures() const { return m_penalisedFeatures; }

private:
    // Creates individuals, pool and feature tables once; they survive later runs. False when
    // stop became true first: nothing is kept, and the next call begins again.
    bool Init(const std::atomic<bool>& stop);
    // Gives every individual random values; false when stop became true first.
    bool RandomiseAll(const std::atomic<bool>& stop);

    GLSCSP* m_problem;
    bool m_allocated = false;
    int m_generation = 0;
    std::vector<std::unique_ptr<GASolution>> m_individuals;
    std::vector<std::unique_ptr<GASolution>> m_pool;
    std::unique_ptr<GASolution> m_generationBest;
    // Features penalised so far, in order; each once (see m_penalisedFlags).
    std::vector<GASolution::FeatureKey> m_penalisedFeatures;
    std::vector<std::vector<bool>> m_penalisedFlags;
    // Penalty counts start at 1 and only grow, so crossover and mutation weights stay >= 1.
    GASolution::Table m_penalties;
    GASolution::Table m_featureCosts;
};

} // namespace GLSLib
