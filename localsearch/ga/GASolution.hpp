#pragma once
// One individual of the genetic algorithm: a value index for every integer variable of the
// engine's problem, with the results of its last evaluation and the genetic operators.
// The feature tables it reads (penalty counts and feature costs) belong to the population and
// are indexed by variable position and value index.

#include <cstdint>
#include <utility>
#include <vector>

namespace GLSLib {

class GLSCSP;

class GASolution {
public:
    // Rows per variable position, one entry per value index of that variable.
    using Table = std::vector<std::vector<int>>;
    // A (variable position, value index) feature.
    using FeatureKey = std::pair<int, int>;

    // An individual of problem's variables, never evaluated.
    explicit GASolution(GLSCSP& problem) : m_problem(&problem) {}
    virtual ~GASolution() = default;
    GASolution(const GASolution&) = default;
    GASolution& operator=(const GASolution&) = default;

    // Gives every variable a random value index drawn from the problem's sequence.
    void Randomise();
    // Writes the value indices into the problem's variables (no propagation).
    void Store() const;
    // Copies the evaluation results (the penalty truncated to a whole number) and the values.
    void Assign(const GASolution& other);
    // Store, then evaluates every constraint and the objective, then the penalty term from
    // the penalised features the individual holds.
    void Evaluate(const Table& featureCosts, const Table& penalties,
                  const std::vector<FeatureKey>& penalised);
    // This := a child of p and q: at each variable the value of the less penalised parent
    // feature is the more likely to pass on. Only the values change.
    void Crossover(const GASolution& p, const GASolution& q, const Table& penalties);
    // Penalty-guided mutation of about n x mutation rate variables. Only the values change.
    void Mutate(const Table& penalties);

    // Violated hard constraints, objective value (0 without an objective) and soft cost of
    // the last evaluation; -1 for an individual never evaluated.
    int GetHard() const { return m_hard; }
    int GetObjective() const { return m_objective; }
    int GetSoft() const { return m_soft; }
    // Sum of the violation degrees of the violated constraints (saturated into int).
    int GetViolationSum() const { return m_violationSum; }
    // The penalty term truncated to a whole number.
    int GetPenalty() const;
    // The fitness by which the population ranks: violation sum + penalty + objective (when
    // the problem has one). Smaller is better.
    std::int64_t GetFitness() const;
    const std::vector<int>& GetValues() const { return m_values; }
    void SetValues(const std::vector<int>& values) { m_values = values; }

private:
    void EvaluateConstraints();
    void EvaluatePenalty(const Table& featureCosts, const Table& penalties,
                         const std::vector<FeatureKey>& penalised);
    GLSCSP& Problem() const { return *m_problem; }
    unsigned Draw() const;

    GLSCSP* m_problem;
    std::vector<int> m_values;
    int m_hard = -1;
    int m_objective = -1;
    int m_soft = -1;
    int m_violationSum = 0;
    float m_penalty = 0.0f;
};

} // namespace GLSLib
