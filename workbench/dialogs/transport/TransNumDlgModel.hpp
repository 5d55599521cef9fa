#pragma once
// The sizes of a transportation problem (sources and destinations) or, in assignment mode, of an
// assignment problem (candidates and posts).

#include "workbench/dialogs/WizardHost.hpp"

#include <string>

namespace TavDialogs {

class TransNumDlgModel {
public:
    enum class Field { Sources, Destinations };
    // Larger problems would not fit the cost grid; the framework's range text refuses them.
    static constexpr int kMaxCount = 100;

    explicit TransNumDlgModel(bool assignment = false) : m_assignment(assignment) {}

    bool IsAssignment() const { return m_assignment; }
    // "Sources and Destinations" or "Candidates and Posts".
    std::string Title() const { return m_assignment ? "Candidates and Posts" : "Sources and Destinations"; }
    std::string SourcesLabel() const { return m_assignment ? "Candidates" : "Sources"; }
    std::string DestinationsLabel() const { return m_assignment ? "Posts" : "Destinations"; }

    std::string sourcesText = "1";
    std::string destinationsText = "1";

    // Each count at least 1. In assignment mode unequal counts ask the balance dialog: "Change"
    // keeps this dialog open with the focus on the sources, "Automatic" accepts the counts.
    bool OnOK(WizardHost& host);
    Field Focus() const { return m_focus; }
    int GetSources() const { return m_sources; }
    int GetDestinations() const { return m_destinations; }

private:
    bool m_assignment;
    Field m_focus = Field::Sources;
    int m_sources = 1;
    int m_destinations = 1;
};

} // namespace TavDialogs
