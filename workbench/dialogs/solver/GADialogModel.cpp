#include "workbench/dialogs/solver/GADialogModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"

using namespace TavBridges;

namespace TavDialogs {

const std::array<GADialogModel::FieldSpec, GADialogModel::kFieldCount>& GADialogModel::Fields() {
    static const std::array<FieldSpec, kFieldCount> fields{{
        {"Population Size", kMinimumPool, 500, false},
        {"Crossover Rate(%)", 0, 100, false},
        {"Mutation Rate(%)", 0, 100, false},
        {"Selection Pool Size(%)", 0, 100, false},
        {"Max Generation", 1, 5000, false},
        {"Stall Interval", 0, 1000, false},
        {"Feature Cost", 0, 1000, false},
        {"Lambda", 0, 100, false},
        {"Optimisation Scaling Value", 0, 9999, true},
    }};
    return fields;
}

GADialogModel::GADialogModel(AlgParams& params) : m_params(params) {
    for (int i = 0; i < kFieldCount; ++i) {
        const int value = params.GetParameter(i + 1);
        texts[static_cast<std::size_t>(i)] = Fields()[static_cast<std::size_t>(i)].isUnsigned
                                                 ? std::to_string(static_cast<unsigned>(value))
                                                 : std::to_string(value);
    }
}

bool GADialogModel::OnOK(DialogMessages& messages) {
    std::array<int, kFieldCount> values{};
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldSpec& spec = Fields()[static_cast<std::size_t>(i)];
        const std::string& text = texts[static_cast<std::size_t>(i)];
        m_focus = i;
        long long value = 0;
        if (spec.isUnsigned) {
            unsigned read = 0;
            if (!ReadUIntField(text, read, messages)) return false;
            value = read;
        } else {
            int read = 0;
            if (!ReadIntField(text, read, messages)) return false;
            value = read;
        }
        if (!CheckIntRange(value, spec.minimum, spec.maximum, messages)) return false;
        values[static_cast<std::size_t>(i)] = static_cast<int>(value);
    }
    // The pool is taken as the engine takes it: a percentage of the population, truncated.
    const float product = static_cast<float>(values[0]) * static_cast<float>(values[3]);
    const int pool = static_cast<int>(static_cast<double>(product) / 100.0);
    if (pool < kMinimumPool) {
        m_focus = 3;
        messages.ShowBox("Selection Pool Size(%) too small\nThe pool must hold at least 3 of the Population",
                         {});
        return false;
    }
    for (int i = 0; i < kFieldCount; ++i)
        m_params.SetParameter(i + 1, values[static_cast<std::size_t>(i)]);
    m_focus = -1;
    return true;
}

} // namespace TavDialogs
