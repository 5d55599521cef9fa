#pragma once
// Every class-wide and module-wide value of the local search library, kept in one place so
// that building a new problem can put the per-problem ones back to their starting values and
// one solve never depends on what an earlier one left behind.

#include <climits>

namespace GLSLib {

class GGLS;
class GLSCSP;

// Process-wide tuning values and counters. One model is built and searched at a time.
struct ClassWideValues {
    // Weight of every hard constraint's penalty feature (engines raise it during set-up).
    int constraintWeight = 1000;
    // Weight of penalties in guided local search (solver parameter 1).
    int lambda = 1;
    // Weight W of the objective's violation (solver parameter 6 of the engines).
    int objectiveWeight = 1;
    // Best objective value seen by Minimise; INT_MAX until a value has been seen.
    int bestObjective = INT_MAX;
    // The engine whose numeric features are being created; null when none is running.
    GGLS* currentEngine = nullptr;
    // Next id of a variable, a constraint and a feature.
    int variableCount = 0;
    int constraintCount = 0;
    int featureCount = 0;
    // Engine-wide settings that every engine of one kind shares belong here as well.

    // ---- Genetic algorithm and tabu search settings (GGA_ND, TABU) ----
    // Individuals per generation and parents per generation (GGA_ND parameters 1 and 4);
    // both at most kGaReservedIndividuals, the pool at least 3 and at most the population.
    int gaPopulationSize = 500;
    int gaPoolSize = 100;
    // Fraction of the variables changed by one mutation (parameter 3).
    float gaMutationRate = 0.3f;
    // Generations of one run (parameter 5) and generations without improvement tolerated
    // before a penalty step (parameter 6).
    int gaMaxGenerations = 150;
    int gaStallLimit = 3;
    // Starting cost of every (variable, value) feature (parameter 7) and the weight of the
    // penalty term in the fitness (parameter 8).
    int gaFeatureCost = 1;
    int gaLambda = 1;
    // Probability of breeding a child by crossover rather than by mutation.
    float gaCrossoverRate = 0.5f;
    // Seed given to the generator whenever a population is created.
    unsigned gaSeed = 345654;
    // The problem of the live genetic-algorithm engine, as the population and the individuals
    // see it; null when none. Set by the engine's constructor, cleared by its destructor.
    GLSCSP* gaPopProblem = nullptr;
    GLSCSP* gaSolutionProblem = nullptr;
    // Random part (a draw modulo the range, range >= 1) and fixed part of a tabu tenure.
    int tabuTenureRange = 20;
    int tabuTenureBase = 10;
    // ---- end of genetic algorithm and tabu search settings ----
};

// Most individuals (population or pool) a genetic-algorithm engine creates.
constexpr int kGaReservedIndividuals = 1000;

// The single instance.
ClassWideValues& ClassWide();

// Called when a new problem is built: restarts the id counters, forgets the best objective
// value and the running engine, and restores the constraint weight. The solver parameters
// (lambda, objective weight) are left as set, since callers may set them before the problem.
void ResetForNewProblem();

// Restores every value to its program-start setting, parameters included.
void ResetAllClassWideValues();

} // namespace GLSLib
