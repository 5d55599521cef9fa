#pragma once
// Guided local search's parameters: lambda (id 1, 0 to 9999), approximate evaluation,
// learning and delta update (ids 2 to 4, switches), seed (id 5, 1 to 9999) and the objective's
// scaling value (id 6, 0 to 9999).

#include "bridges/AlgParams.hpp"
#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class GLSDialogModel {
public:
    enum class Field { None, Lambda, Seed, Scaling };

    explicit GLSDialogModel(TavBridges::AlgParams& params);

    std::string lambdaText;
    bool approximate = false;
    bool learning = false;
    bool deltaUpdate = false;
    std::string seedText;
    std::string scalingText;

    // Reads and checks the fields ("Please enter an integer between 1 and 9999." and the like),
    // then writes ids 1 to 6.
    bool OnOK(DialogMessages& messages);
    Field GetFocus() const { return m_focus; }

private:
    TavBridges::AlgParams& m_params;
    Field m_focus = Field::None;
};

} // namespace TavDialogs
