#include "workbench/dialogs/domains/EnumDlgModel.hpp"

#include "workbench/dialogs/domains/DomainIdCheck.hpp"
#include "workbench/model/ModelHelpers.hpp"

#include <algorithm>

namespace TavDialogs {

void EnumDlgModel::Load(const TavWorkbench::CEnumDomain& domain, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    id = domain.GetID();
    m_originalID = id;
    values = domain.GetValues();
    m_addEnabled = false;
    m_focus = Field::ValueList;
}

void EnumDlgModel::OnAddValue(DialogMessages& messages) {
    m_focus = Field::NewValue;
    if (newValue.empty()) {
        m_addEnabled = false;
        return;
    }
    m_addEnabled = true;
    const bool present = std::any_of(values.begin(), values.end(), [&](const std::string& value) {
        return TavWorkbench::EqualsNoCase(value, newValue);
    });
    if (present) {
        messages.ShowBox("Alrady There", {});
        return;
    }
    values.push_back(newValue);
    m_addEnabled = false;
    newValue.clear();
}

void EnumDlgModel::OnRemoveValue(int row) {
    if (row < 0 || row >= static_cast<int>(values.size())) return;
    values.erase(values.begin() + row);
}

void EnumDlgModel::OnMoveValue(int from, int to) {
    const int count = static_cast<int>(values.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
    std::string moved = values[static_cast<std::size_t>(from)];
    values.erase(values.begin() + from);
    values.insert(values.begin() + to, std::move(moved));
}

bool EnumDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::ID;
    if (!CheckDomainIdText(id, messages)) return false;
    if (values.empty()) {
        messages.ShowBox("At least one value required", {});
        m_focus = Field::NewValue;
        return false;
    }
    if (!CheckDomainIdUse(id, m_originalID, m_mode, m_refs, messages)) return false;
    return CheckDomainIdKeyword(id, m_refs, messages);
}

std::unique_ptr<TavWorkbench::CEnumDomain> EnumDlgModel::MakeDomain() const {
    auto domain = std::make_unique<TavWorkbench::CEnumDomain>();
    domain->Set(id, values);
    return domain;
}

} // namespace TavDialogs
