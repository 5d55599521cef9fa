#pragma once
// "Totals Out of Balance": shows the two totals; "Change" goes back to edit them, "Automatic"
// lets the wizard balance them with a dummy.

#include <string>

namespace TavDialogs {

class WarningDlgModel {
public:
    static constexpr const char* kTitle = "Totals Out of Balance";

    WarningDlgModel(bool assignment, double sourcesTotal, double destinationsTotal)
        : m_assignment(assignment), m_sources(sourcesTotal), m_destinations(destinationsTotal) {}

    bool IsAssignment() const { return m_assignment; }
    std::string SourcesLabel() const { return m_assignment ? "Candidates" : "Sources"; }
    std::string DestinationsLabel() const { return m_assignment ? "Posts" : "Destinations"; }
    double SourcesTotal() const { return m_sources; }
    double DestinationsTotal() const { return m_destinations; }

private:
    bool m_assignment;
    double m_sources;
    double m_destinations;
};

} // namespace TavDialogs
