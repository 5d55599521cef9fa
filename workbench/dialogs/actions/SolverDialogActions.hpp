#pragma once
// The document's command that opens the solver dialogs: Set Parameters (the dialog of the
// current solver, or the Expert dialog).

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/DialogHost.hpp"

namespace TavDialogs {

class SolverDialogActions {
public:
    SolverDialogActions(TavWorkbench::CTavDoc& doc, DialogHost& host) : m_doc(doc), m_host(host) {}

    // The parameter dialog of the solver setting (0 complete search, 1 guided local search, 2
    // genetic algorithm, 3 tabu search) on its block; 10 the Expert dialog; others nothing. True
    // when a dialog ended with OK.
    bool SetParameters();
    // The Expert dialog on the engines in their current order and the per-engine interval; OK
    // stores the interval, "Clear Stats" sets every engine's runs and successes to 1.
    bool ExpertSettings();

private:
    TavWorkbench::CTavDoc& m_doc;
    DialogHost& m_host;
};

} // namespace TavDialogs
