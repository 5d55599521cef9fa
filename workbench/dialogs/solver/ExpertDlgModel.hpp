#pragma once
// The Expert choice: the engines in their recommended order, the time each may search (seconds,
// 1 to 999999), and a request to clear the engines' records.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class ExpertDlgModel {
public:
    ExpertDlgModel(std::vector<std::string> names, int timeLimit)
        : timeLimitText(std::to_string(timeLimit)), m_names(std::move(names)) {}

    // "Reccomended Ordering", in order.
    const std::vector<std::string>& Names() const { return m_names; }
    std::string timeLimitText;

    // "Clear Stats": remembered; the dialog stays open.
    void OnClearStats() { m_clearStats = true; }
    bool IsClearStatsRequested() const { return m_clearStats; }

    // Reads the time limit ("Please enter an integer between 1 and 999999.").
    bool OnOK(DialogMessages& messages);
    // The time limit accepted by OK.
    int GetTimeLimit() const { return m_timeLimit; }

private:
    std::vector<std::string> m_names;
    bool m_clearStats = false;
    int m_timeLimit = 0;
};

} // namespace TavDialogs
