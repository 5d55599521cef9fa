#include "workbench/dialogs/actions/SolverDialogActions.hpp"

#include "workbench/dialogs/solver/ExpertDlgModel.hpp"
#include "workbench/dialogs/solver/FCDialogModel.hpp"
#include "workbench/dialogs/solver/GADialogModel.hpp"
#include "workbench/dialogs/solver/GLSDialogModel.hpp"
#include "workbench/dialogs/solver/TabuDlgModel.hpp"

namespace TavDialogs {

bool SolverDialogActions::SetParameters() {
    switch (m_doc.GetSolverSetting()) {
    case TavWorkbench::SolverSetting::CompleteSearch: {
        FCDialogModel dialog(m_doc.GetParameterBlock(0), m_doc.AreParametersDefaulted());
        return m_host.Run(dialog);
    }
    case TavWorkbench::SolverSetting::GuidedLocalSearch: {
        GLSDialogModel dialog(m_doc.GetParameterBlock(1));
        return m_host.Run(dialog);
    }
    case TavWorkbench::SolverSetting::GeneticAlgorithm: {
        GADialogModel dialog(m_doc.GetParameterBlock(2));
        return m_host.Run(dialog);
    }
    case TavWorkbench::SolverSetting::TabuSearch: {
        TabuDlgModel dialog(m_doc.GetParameterBlock(3));
        return m_host.Run(dialog);
    }
    case TavWorkbench::SolverSetting::Expert:
        return ExpertSettings();
    case TavWorkbench::SolverSetting::GuidedLocalSearch2:
        break;
    }
    // The second guided local search has no dialog of its own.
    return false;
}

bool SolverDialogActions::ExpertSettings() {
    std::vector<std::string> names;
    const auto& table = m_doc.GetExpertTable();
    for (int row : m_doc.GetEngineOrder())
        if (row >= 0 && row < static_cast<int>(table.size()))
            names.push_back(table[static_cast<std::size_t>(row)].name);
    ExpertDlgModel dialog(names, m_doc.GetEngineInterval());
    const bool accepted = m_host.Run(dialog);
    if (accepted) m_doc.SetEngineInterval(dialog.GetTimeLimit());
    if (dialog.IsClearStatsRequested()) m_doc.ResetExpertRecords();
    return accepted;
}

} // namespace TavDialogs
