#include "workbench/dialogs/variables/SeeAllDlgModel.hpp"

#include "workbench/model/CDoubleDomain.hpp"
#include "workbench/model/CIntDomain.hpp"

#include <cstdio>

namespace TavDialogs {

namespace {

std::string FixedText(double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%f", value);
    return buffer;
}

} // namespace

std::vector<std::string> SeeAllDlgModel::VariableEntries() const {
    std::vector<std::string> entries;
    for (const auto& variable : m_variables)
        entries.push_back(variable->GetID());
    return entries;
}

void SeeAllDlgModel::OnSelect(int row) {
    // Every box is emptied first, so nothing of the previous variable stays shown.
    selection = row;
    dataType.clear();
    domainID.clear();
    size.clear();
    lower.clear();
    upper.clear();
    values.clear();
    if (row < 0 || row >= m_variables.GetSize()) return;
    const TavWorkbench::CVariable& variable = *m_variables[row];
    dataType = variable.GetTypeName();
    domainID = variable.GetDomainID();
    size = variable.GetDimensionText();
    const int index = m_domains.FindDomain(domainID);
    if (index < 0) return;
    const TavWorkbench::CDomain& domain = *m_domains[index];
    switch (domain.GetType()) {
    case TavWorkbench::CDomain::Type::Boolean:
        lower = "FALSE";
        upper = "TRUE";
        break;
    case TavWorkbench::CDomain::Type::Enumerated:
    case TavWorkbench::CDomain::Type::Set:
        domain.GetValueStrings(values);
        break;
    case TavWorkbench::CDomain::Type::Integer:
        if (const auto* integer = dynamic_cast<const TavWorkbench::CIntDomain*>(&domain)) {
            lower = std::to_string(integer->GetMin());
            upper = std::to_string(integer->GetMax());
        }
        domain.GetValueStrings(values);
        break;
    case TavWorkbench::CDomain::Type::Float:
        if (const auto* real = dynamic_cast<const TavWorkbench::CDoubleDomain*>(&domain)) {
            lower = FixedText(real->GetMin());
            upper = FixedText(real->GetMax());
        }
        break;
    }
}

} // namespace TavDialogs
