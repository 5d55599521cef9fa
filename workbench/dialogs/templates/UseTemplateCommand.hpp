#pragma once
// Use Template: the template list, then the chosen template's dialogs, then the problem
// generated into the document. A sub-dialog's "Back" generates with the values as they stand
// and shows the list again; Cancel leaves at once (what was generated before stays).
//
// A grid keeps what the user typed: "Back" stores it as OK does, and a grid shown again within
// the same command shows the values it was left with. The distance grid shows the document's
// distances, loading the built-in table only when a pair of the ten cities has none.

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/WizardHost.hpp"
#include "workbench/dialogs/templates/GridDlgModel.hpp"

#include <functional>
#include <optional>

namespace TavDialogs {

class UseTemplateCommand {
public:
    // `generated` runs after each generation (the caller marks the document modified).
    UseTemplateCommand(TavWorkbench::CTavDoc& doc, WizardHost& host, std::function<void()> generated = {})
        : m_doc(doc), m_host(host), m_generated(std::move(generated)) {}

    // Runs the command; returns how many problems were generated.
    int Run();

private:
    enum class Next { Finish, ShowListAgain };
    // Each returns what follows, or nothing when the user cancelled.
    std::optional<Next> Queens();
    std::optional<Next> Salesman();
    std::optional<Next> Nurses(bool sets);
    void Bins();
    void Generated();

    TavWorkbench::CTavDoc& m_doc;
    WizardHost& m_host;
    std::function<void()> m_generated;
    int m_count = 0;
    std::optional<GridDlgModel> m_cityGrid;
    std::optional<GridDlgModel> m_demandGrid;
    int m_demandDefault = 0;
};

} // namespace TavDialogs
