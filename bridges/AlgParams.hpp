#pragma once
// One solver's parameter record: the integers of parameter ids 0 to 14. The solver bridges hand
// ids 1 to 14 to their engine; id 0 is kept but never used. One record per solver family, each
// starting from that family's built-in defaults.

#include <array>

namespace TavBridges {

class AlgParams {
public:
    // Number of parameter ids (0 to 14).
    static constexpr int kCount = 15;

    // The solver families that own a parameter record, numbered as the workbench stores them.
    enum class Family { CompleteSearch = 0, GuidedLocalSearch = 1, GeneticAlgorithm = 2, TabuSearch = 3 };

    // Every parameter 0.
    AlgParams() = default;
    virtual ~AlgParams() = default;
    AlgParams(const AlgParams&) = default;
    AlgParams& operator=(const AlgParams&) = default;

    // The built-in defaults of a family (ids without a default are 0).
    static AlgParams Defaults(Family family);

    // The integer of parameter `id`; throws Platform::ParameterError for an id outside 0..14.
    int GetParameter(int id) const;
    // Stores the integer of parameter `id`; throws Platform::ParameterError for an id outside 0..14.
    void SetParameter(int id, int value);

    bool operator==(const AlgParams& other) const { return m_values == other.m_values; }

private:
    std::array<int, kCount> m_values{};
};

} // namespace TavBridges
