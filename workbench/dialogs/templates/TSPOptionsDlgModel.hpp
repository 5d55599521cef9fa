#pragma once
// The salesman's journey options: a route limit, and whether (and where) the tour starts.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/templates/ProblemTemplates.hpp"

#include <string>

namespace TavDialogs {

class TSPOptionsDlgModel {
public:
    static constexpr const char* kTitle = "Journey Options";
    enum class Field { RouteLimit, StartCity };

    // The caller's limit, start city and city count fill the boxes.
    TSPOptionsDlgModel(int routeLimit, bool specifyStart, int startCity, int cityCount);

    std::string routeLimitText;
    bool specifyStartCity;
    std::string startCityText;
    // The start-city box is enabled exactly while the box is ticked.
    bool StartCityEnabled() const { return specifyStartCity; }

    // The limit (at least 1), then the start city within 1 .. city count, ticked or not.
    bool OnOK(DialogMessages& messages);
    Field Focus() const { return m_focus; }
    const TSPOptions& GetOptions() const { return m_options; }

private:
    int m_cityCount;
    Field m_focus = Field::RouteLimit;
    TSPOptions m_options;
};

} // namespace TavDialogs
