#pragma once
// The objective of a linear programme: a coefficient per variable X[0], X[1], ... edited in a
// grid, and whether to maximise or minimise.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/lp/CoefficientColumn.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class OptimDlgModel : public CoefficientColumn {
public:
    static constexpr const char* kTitle = "Optimization";
    static constexpr int kMaximize = 0;
    static constexpr int kMinimize = 1;
    enum class Field { Grid, Maximize };

    // One grid row per variable, showing the preset coefficient where `presets` has one, else "0".
    OptimDlgModel(int variables, const std::vector<std::string>& presets, int option = -1);

    // kMaximize, kMinimize or -1 (none chosen).
    int option;

    // Every cell a number ("Non-numeric Data in box <row>", the editor on that row), then a
    // direction ("Please select an Optimize Option", the focus on "Maximize").
    bool OnOK(DialogMessages& messages);
    Field Focus() const { return m_focus; }
    // The coefficients as typed, after OK.
    const std::vector<std::string>& GetCoefficients() const { return m_result; }

private:
    Field m_focus = Field::Grid;
    std::vector<std::string> m_result;
};

} // namespace TavDialogs
