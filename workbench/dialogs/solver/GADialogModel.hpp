#pragma once
// The genetic algorithm's parameters, ids 1 to 9: population size, crossover, mutation and
// selection pool rates (%), maximum generation, stall interval, feature cost, lambda and the
// objective's scaling value. The fields are copied when the model is made.

#include "bridges/AlgParams.hpp"
#include "workbench/dialogs/DialogMessages.hpp"

#include <array>
#include <string>

namespace TavDialogs {

class GADialogModel {
public:
    static constexpr int kFieldCount = 9;
    // The smallest population and selection pool the algorithm can breed from.
    static constexpr int kMinimumPool = 3;

    struct FieldSpec {
        const char* label;
        long long minimum;
        long long maximum;
        bool isUnsigned;
    };
    // Label and range of each field, in id order.
    static const std::array<FieldSpec, kFieldCount>& Fields();

    explicit GADialogModel(TavBridges::AlgParams& params);

    // The boxes' texts, in id order (id = position + 1).
    std::array<std::string, kFieldCount> texts;

    // Reads and checks every field (a population below 3, or a selection pool that takes fewer
    // than 3 of the population, leaves the algorithm nothing to breed from), then writes ids 1
    // to 9.
    bool OnOK(DialogMessages& messages);
    // The field of the last refusal, -1 for none.
    int GetFocus() const { return m_focus; }

private:
    TavBridges::AlgParams& m_params;
    int m_focus = -1;
};

} // namespace TavDialogs
