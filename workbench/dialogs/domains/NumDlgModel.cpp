#include "workbench/dialogs/domains/NumDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"
#include "workbench/dialogs/domains/DomainIdCheck.hpp"
#include "workbench/dialogs/domains/SetDlgModel.hpp"
#include "workbench/dialogs/variables/SelConstDlgModel.hpp"
#include "workbench/model/ModelHelpers.hpp"

#include <climits>

namespace TavDialogs {

namespace {

int SaturatedSum(int a, int b) {
    const long long sum = static_cast<long long>(a) + b;
    return sum > INT_MAX ? INT_MAX : sum < INT_MIN ? INT_MIN : static_cast<int>(sum);
}

} // namespace

void NumDlgModel::Load(const TavWorkbench::CIntDomain& domain, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    id = domain.GetID();
    m_originalID = id;
    listConstID = domain.GetListConstID();
    minConstID = domain.GetMinConstID();
    maxConstID = domain.GetMaxConstID();
    values = domain.GetValues();
    const bool byList = !listConstID.empty() || !values.empty();
    minText = !byList && minConstID.empty() ? std::to_string(domain.GetMin()) : "";
    maxText = !byList && maxConstID.empty() ? std::to_string(domain.GetMax()) : "";
    minOffsetText = std::to_string(domain.GetMinOffset());
    maxOffsetText = std::to_string(domain.GetMaxOffset());
    m_minOffsetEnabled = !minConstID.empty();
    m_maxOffsetEnabled = !maxConstID.empty();
}

void NumDlgModel::ResetOffsets() {
    minOffsetText = "0";
    maxOffsetText = "0";
    m_minOffsetEnabled = false;
    m_maxOffsetEnabled = false;
}

void NumDlgModel::OnMinEdited() {
    // Only this bound's offset: the other bound may still come from its constant.
    minConstID.clear();
    minOffsetText = "0";
    m_minOffsetEnabled = false;
    values.clear();
}

void NumDlgModel::OnMaxEdited() {
    maxConstID.clear();
    maxOffsetText = "0";
    m_maxOffsetEnabled = false;
    values.clear();
}

void NumDlgModel::OnAddValue(DialogMessages& messages) {
    m_focus = Field::NewValue;
    if (newValue.empty()) return;
    int value = 0;
    if (!TavWorkbench::ParseInteger(newValue, value)) {
        messages.ShowBox("Please enter an integer", {});
        return;
    }
    if (!InsertSorted(values, value)) messages.ShowBox("Already there", {});
    minConstID.clear();
    maxConstID.clear();
    listConstID.clear();
    minText.clear();
    maxText.clear();
    ResetOffsets();
    newValue.clear();
}

void NumDlgModel::OnRemoveValue(int row) {
    if (row < 0 || row >= static_cast<int>(values.size())) return;
    values.erase(values.begin() + row);
}

void NumDlgModel::OnChooseMinConst(const std::string& constID) {
    listConstID.clear();
    minText.clear();
    values.clear();
    minConstID = constID;
    minOffsetText = "0";
    m_minOffsetEnabled = true;
}

void NumDlgModel::OnChooseMaxConst(const std::string& constID) {
    listConstID.clear();
    maxText.clear();
    values.clear();
    maxConstID = constID;
    maxOffsetText = "0";
    m_maxOffsetEnabled = true;
}

void NumDlgModel::OnChooseListConst(const std::string& constID) {
    minConstID.clear();
    maxConstID.clear();
    minText.clear();
    maxText.clear();
    listConstID = constID;
    values.clear();
    ResetOffsets();
}

void NumDlgModel::OnPickConst(ConstBox box, DialogHost& host, DialogMessages& messages) {
    const TavWorkbench::CConstant::Type type =
        box == ConstBox::List ? TavWorkbench::CConstant::Type::List : TavWorkbench::CConstant::Type::Integer;
    SelConstDlgModel choice(m_refs.constants, type);
    if (!choice.OnInitDialog(messages) || !host.Run(choice)) return;
    const std::string chosen = choice.GetChosenID();
    if (chosen.empty()) return;
    if (box == ConstBox::Min) OnChooseMinConst(chosen);
    if (box == ConstBox::Max) OnChooseMaxConst(chosen);
    if (box == ConstBox::List) OnChooseListConst(chosen);
}

bool NumDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::ID;
    std::string cleaned = id;
    if (TavWorkbench::CleanIdentifier(cleaned)) {
        messages.ShowBox("Illegal characters removed from ID", {});
        id = cleaned;
        return false;
    }
    int minOffset = 0;
    int maxOffset = 0;
    m_focus = Field::MinOffset;
    if (!ReadIntField(minOffsetText, minOffset, messages)) return false;
    m_focus = Field::MaxOffset;
    if (!ReadIntField(maxOffsetText, maxOffset, messages)) return false;
    m_focus = Field::ID;
    if (!TavWorkbench::ValidateIdentifier(id, m_refs.keyWords, m_refs.domains, m_refs.variables,
                                          m_refs.constraints, m_refs.constants,
                                          TavWorkbench::ElementKind::Domain, m_index, messages))
        return false;
    if (m_mode == DialogMode::Edit && id != m_originalID) {
        const std::string inUse = DomainInUseMessage(m_originalID, m_refs);
        if (!inUse.empty()) {
            messages.ShowBox(inUse, {});
            id = m_originalID;
            return false;
        }
    }
    const bool noList = listConstID.empty() && values.empty();
    int lower = 0;
    int upper = 0;
    if (noList) {
        const auto refuse = [&](const char* text, Field field) {
            messages.ShowBox(text, "Domain Values - Error");
            m_focus = field;
            return false;
        };
        if (minText.empty() && maxText.empty() && minConstID.empty() && maxConstID.empty())
            return refuse("Min and Max or List of Values ", Field::Min);
        if (minText.empty() && minConstID.empty())
            return refuse("Use Value OR Constant for Minimum Value", Field::Min);
        if (maxText.empty() && maxConstID.empty())
            return refuse("Use Value OR Constant for Maximum Value", Field::Max);
        if (!minText.empty() && !TavWorkbench::ParseInteger(minText, lower)) {
            messages.ShowBox("Enter an integer value in Minimum", {});
            m_focus = Field::Min;
            return false;
        }
        if (!maxText.empty() && !TavWorkbench::ParseInteger(maxText, upper)) {
            messages.ShowBox("Enter an integer value in Maximum", {});
            m_focus = Field::Max;
            return false;
        }
        m_focus = Field::Min;
        if (!TavWorkbench::ValidateRangeConstants(lower, upper, m_refs.constants, minConstID, maxConstID,
                                                  messages))
            return false;
        if (const auto* constant = m_refs.constants.FindConstant(minConstID); !minConstID.empty() && constant)
            lower = SaturatedSum(constant->GetIntValue(), minOffset);
        if (const auto* constant = m_refs.constants.FindConstant(maxConstID); !maxConstID.empty() && constant)
            upper = SaturatedSum(constant->GetIntValue(), maxOffset);
    } else {
        m_focus = Field::NewValue;
        if (!TavWorkbench::ValidateListConstant(m_refs.constants, values, listConstID, messages))
            return false;
    }
    m_lower = lower;
    m_upper = upper;
    m_minOffset = minConstID.empty() ? 0 : minOffset;
    m_maxOffset = maxConstID.empty() ? 0 : maxOffset;
    return true;
}

std::unique_ptr<TavWorkbench::CIntDomain> NumDlgModel::MakeDomain() const {
    auto domain = std::make_unique<TavWorkbench::CIntDomain>();
    domain->Set(id, listConstID, minConstID, maxConstID, m_lower, m_upper, values, m_minOffset, m_maxOffset);
    return domain;
}

std::vector<std::string> NumDlgModel::Entries() const {
    std::vector<std::string> entries;
    for (int value : values)
        entries.push_back(std::to_string(value));
    return entries;
}

} // namespace TavDialogs
