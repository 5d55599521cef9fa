#pragma once
// The switches and the random seed that a guided-local-search engine's parameters set.

namespace GLSLib {

struct ModelValues;

class GLSOptions {
public:
    virtual ~GLSOptions() = default;
    bool GetApproxEvaluation() const { return m_approxEvaluation; }
    bool GetDeltaUpdate() const { return m_deltaUpdate; }
    bool GetLearning() const { return m_learning; }
    int GetSeed() const { return m_seed; }
    void SetApproxEvaluation(bool on) { m_approxEvaluation = on; }
    void SetDeltaUpdate(bool on) { m_deltaUpdate = on; }
    void SetLearning(bool on) { m_learning = on; }
    void SetSeed(int seed) { m_seed = seed; }
    // Applies solver parameter id of the guided local search engines: 1 lambda, 2 approximate
    // evaluation, 3 learning, 4 delta update (switches: nonzero is on), 5 seed, 6 objective weight;
    // 7 to 15 are accepted and ignored. Lambda and the objective weight belong to the problem
    // and go into its values. Throws Platform::ParameterError ("Invalid Parameter\n") for any
    // other id.
    void SetSolverParameter(int id, int value, ModelValues& problemValues);

private:
    bool m_approxEvaluation = true;
    bool m_deltaUpdate = true;
    bool m_learning = true;
    // 0 until the engine's seed parameter sets it, so that an unset seed still repeats a run.
    int m_seed = 0;
};

} // namespace GLSLib
