#include "workbench/dialogs/actions/SolverDialogActions.hpp"

#include "workbench/dialogs/solver/ExpertDlgModel.hpp"
#include "workbench/dialogs/solver/FCDialogModel.hpp"
#include "workbench/dialogs/solver/GADialogModel.hpp"
#include "workbench/dialogs/solver/GLSDialogModel.hpp"
#include "workbench/dialogs/solver/TabuDlgModel.hpp"

namespace TavDialogs {

bool SolverDialogActions::SetParameters() {
    switch (m_doc.GetSolverSetting()) {
    case TavWorkbench::CTavDoc::kCompleteSearch: {
        FCDialogModel dialog(m_doc.GetParameterBlock(0), m_doc.AreParametersDefaulted());
        return m_host.Run(dialog);
    }
    case TavWorkbench::CTavDoc::kGuidedLocalSearch: {
        GLSDialogModel dialog(m_doc.GetParameterBlock(1));
        return m_host.Run(dialog);
    }
    case TavWorkbench::CTavDoc::kGeneticAlgorithm: {
        GADialogModel dialog(m_doc.GetParameterBlock(2));
        return m_host.Run(dialog);
    }
    case TavWorkbench::CTavDoc::kTabuSearch: {
        TabuDlgModel dialog(m_doc.GetParameterBlock(3));
        return m_host.Run(dialog);
    }
    case TavWorkbench::CTavDoc::kExpert:
        return ExpertSettings();
    default:
        return false;
    }
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
