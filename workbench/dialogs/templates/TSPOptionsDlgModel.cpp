#include "workbench/dialogs/templates/TSPOptionsDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"

#include <climits>

namespace TavDialogs {

TSPOptionsDlgModel::TSPOptionsDlgModel(int routeLimit, bool specifyStart, int startCity, int cityCount)
    : routeLimitText(std::to_string(routeLimit)), specifyStartCity(specifyStart),
      startCityText(std::to_string(startCity)), m_cityCount(cityCount) {}

bool TSPOptionsDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::RouteLimit;
    unsigned limit = 0;
    if (!ReadUIntField(routeLimitText, limit, messages)) return false;
    if (!TavWorkbench::DDV_MinUInt(limit, 1, messages)) return false;
    // The limit is written into the problem as an int.
    if (!CheckIntRange(limit, 1, INT_MAX, messages)) return false;
    m_focus = Field::StartCity;
    unsigned start = 0;
    if (!ReadUIntField(startCityText, start, messages)) return false;
    if (!CheckIntRange(start, 1, m_cityCount, messages)) return false;
    m_options.routeLimit = static_cast<int>(limit);
    m_options.specifyStartCity = specifyStartCity;
    m_options.startCity = static_cast<int>(start);
    return true;
}

} // namespace TavDialogs
