#include "workbench/dialogs/variables/VarDetailsDlgModel.hpp"

namespace TavDialogs {

std::vector<VarDetailsDlgModel::Column> VarDetailsDlgModel::Columns() {
    return {{"ID", 96, false}, {"Domain ID", 96, false}, {"Array", 48, false}, {"Size", 48, true}};
}

std::vector<VarDetailsDlgModel::Row> VarDetailsDlgModel::Rows() const {
    std::vector<Row> rows;
    for (const auto& variable : m_variables)
        rows.push_back({variable->GetID(), variable->GetDomainID(), variable->IsArray() ? "Y" : "N",
                        variable->GetDimensionText()});
    return rows;
}

} // namespace TavDialogs
