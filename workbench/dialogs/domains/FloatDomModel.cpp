#include "workbench/dialogs/domains/FloatDomModel.hpp"

#include "workbench/dialogs/NumberFields.hpp"
#include "workbench/dialogs/domains/DomainIdCheck.hpp"

namespace TavDialogs {

void FloatDomModel::Load(const TavWorkbench::CDoubleDomain& domain, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    id = domain.GetID();
    m_originalID = id;
    minText = DoubleText(domain.GetMin());
    maxText = DoubleText(domain.GetMax());
}

bool FloatDomModel::OnOK(DialogMessages& messages) {
    // The boxes are read first, as the dialog's data exchange does.
    double lower = 0.0;
    double upper = 0.0;
    m_focus = Field::Min;
    if (!ReadDoubleField(minText, lower, messages)) return false;
    m_focus = Field::Max;
    if (!ReadDoubleField(maxText, upper, messages)) return false;
    m_focus = Field::ID;
    if (!CheckDomainIdText(id, messages)) return false;
    if (!CheckDomainIdUse(id, m_originalID, m_mode, m_refs, messages)) return false;
    if (lower > upper) {
        messages.ShowBox("Min is greater than Max", {});
        m_focus = Field::Min;
        return false;
    }
    if (lower == upper && !messages.AskBox("Min and Max are equal OK", {})) {
        m_focus = Field::Min;
        return false;
    }
    if (!CheckDomainIdKeyword(id, m_refs, messages)) return false;
    m_lower = lower;
    m_upper = upper;
    return true;
}

std::unique_ptr<TavWorkbench::CDoubleDomain> FloatDomModel::MakeDomain() const {
    auto domain = std::make_unique<TavWorkbench::CDoubleDomain>();
    domain->Set(id, m_lower, m_upper);
    return domain;
}

} // namespace TavDialogs
