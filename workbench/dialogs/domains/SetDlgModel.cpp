#include "workbench/dialogs/domains/SetDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/domains/DomainIdCheck.hpp"
#include "workbench/dialogs/domains/RangeDlgModel.hpp"

#include <algorithm>

namespace TavDialogs {

bool InsertSorted(std::vector<int>& values, int value) {
    const auto at = std::lower_bound(values.begin(), values.end(), value);
    if (at != values.end() && *at == value) return false;
    values.insert(at, value);
    return true;
}

void SetDlgModel::Load(const TavWorkbench::CSetDomain& domain, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    id = domain.GetID();
    m_originalID = id;
    values = domain.GetValues();
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

void SetDlgModel::OnAddValue(DialogMessages& messages) {
    m_focus = Field::NewValue;
    if (newValue.empty()) return;
    int value = 0;
    if (!TavWorkbench::ParseInteger(newValue, value)) {
        messages.ShowBox("Please enter a positive integer", {});
    } else if (!InsertSorted(values, value)) {
        messages.ShowBox("Already there", {});
    }
    newValue.clear();
}

void SetDlgModel::OnRemoveValue(int row) {
    if (row < 0 || row >= static_cast<int>(values.size())) return;
    values.erase(values.begin() + row);
}

void SetDlgModel::OnEnterViaRange(DialogHost& host) {
    RangeDlgModel range;
    if (host.Run(range)) values = range.GetValues();
}

bool SetDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::ID;
    if (!CheckDomainIdText(id, messages)) return false;
    if (values.empty()) {
        messages.ShowBox("Set of Values is Empty", {});
        newValue.clear();
        m_focus = Field::NewValue;
        return false;
    }
    if (!CheckDomainIdUse(id, m_originalID, m_mode, m_refs, messages)) return false;
    return CheckDomainIdKeyword(id, m_refs, messages);
}

std::unique_ptr<TavWorkbench::CSetDomain> SetDlgModel::MakeDomain() const {
    auto domain = std::make_unique<TavWorkbench::CSetDomain>();
    domain->Set(id, values);
    return domain;
}

std::vector<std::string> SetDlgModel::Entries() const {
    std::vector<std::string> entries;
    for (int value : values)
        entries.push_back(std::to_string(value));
    return entries;
}

} // namespace TavDialogs
