#pragma once
// Tabu search's parameters: minimum and maximum tabu period (ids 1 and 2), approximate
// evaluation and delta update (ids 3 and 4, switches) and the objective's scaling value (id 5,
// 0 to 9999).

#include "bridges/AlgParams.hpp"
#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class TabuDlgModel {
public:
    enum class Field { None, MinimumPeriod, MaximumPeriod, Scaling };

    explicit TabuDlgModel(TavBridges::AlgParams& params);

    std::string minimumText;
    std::string maximumText;
    bool approximate = false;
    bool deltaUpdate = false;
    std::string scalingText;

    // Reads and checks the fields, then writes ids 1 to 5. The search draws each tenure at
    // random over the minimum period, so a minimum of 0 is refused ("Please enter an integer not
    // less than  1").
    bool OnOK(DialogMessages& messages);
    Field GetFocus() const { return m_focus; }

private:
    TavBridges::AlgParams& m_params;
    Field m_focus = Field::None;
};

} // namespace TavDialogs
