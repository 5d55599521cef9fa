#include "workbench/dialogs/variables/NewVarDlgModel.hpp"

#include "workbench/dialogs/domains/DomainDialogs.hpp"
#include "workbench/dialogs/variables/SelConstDlgModel.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavDialogs {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void NewVarDlgModel::Load(const TavWorkbench::CVariable& variable, int index, Mode mode) {
    m_mode = mode;
    m_index = index;
    id = variable.GetID();
    domainID = variable.GetDomainID();
    dataType = variable.GetTypeName();
    isArray = variable.IsArray();
    sizeConstID = variable.GetSizeID();
    dimensionsText = sizeConstID.empty() ? variable.GetDimensionText() : "";
    if (!isArray) {
        sizeConstID.clear();
        dimensionsText.clear();
    }
    selectedDomain = m_refs.domains.FindDomain(domainID);
}

std::vector<std::string> NewVarDlgModel::DomainEntries() const {
    std::vector<std::string> entries;
    for (const auto& domain : m_refs.domains)
        entries.push_back(domain->GetID() + "  (" + domain->GetTypeName() + ")");
    return entries;
}

void NewVarDlgModel::OnDomainChosen(int row) {
    if (row < 0 || row >= m_refs.domains.GetSize()) return;
    selectedDomain = row;
    domainID = m_refs.domains[row]->GetID();
    dataType = m_refs.domains[row]->GetTypeName();
}

void NewVarDlgModel::OnArrayToggled(bool checked) {
    isArray = checked;
    if (!checked) {
        sizeConstID.clear();
        dimensionsText.clear();
    }
}

void NewVarDlgModel::OnChooseSizeConst(const std::string& constID) {
    dimensionsText.clear();
    sizeConstID = constID;
}

void NewVarDlgModel::OnPickSizeConst(DialogHost& host, DialogMessages& messages) {
    SelConstDlgModel choice(m_refs.constants, TavWorkbench::CConstant::Type::Integer, true);
    if (!choice.OnInitDialog(messages) || !host.Run(choice)) return;
    if (const std::string chosen = choice.GetChosenID(); !chosen.empty()) OnChooseSizeConst(chosen);
}

void NewVarDlgModel::OnNewDomain(DialogHost& host) {
    if (auto domain = RunNewDomainDialogs(host, m_refs)) m_refs.domains.Add(std::move(domain));
}

void NewVarDlgModel::OnViewDomain(DialogHost& host, DialogMessages& messages) {
    if (selectedDomain < 0 || selectedDomain >= m_refs.domains.GetSize()) {
        messages.ShowBox("Select a Domain first", {});
        return;
    }
    if (m_refs.domains[selectedDomain]->GetType() == TavWorkbench::CDomain::Type::Boolean) {
        messages.ShowInfo("The Boolean Domain has Values of\n True(1)\n or\n False(0)", {});
        return;
    }
    RunDomainDialog(host, m_refs, selectedDomain, DialogMode::ViewOnly);
}

bool NewVarDlgModel::Refuse(DialogMessages& messages, const std::string& text, Field field,
                            const std::string& caption) {
    messages.ShowBox(text, caption);
    m_focus = field;
    return false;
}

bool NewVarDlgModel::CheckOneID(DialogMessages& messages) {
    std::string cleaned = id;
    if (TavWorkbench::CleanIdentifier(cleaned)) {
        id = cleaned;
        return Refuse(messages, "Illegal characters removed from ID", Field::ID);
    }
    if (!IsAsciiLetter(id[0])) return Refuse(messages, "Please start ID's with a letter", Field::ID);
    if (m_refs.variables.IsIDUsedElsewhere(id, m_index))
        return Refuse(messages, "Please Change Variable ID - it is already used", Field::ID,
                      "Variable ID In Use");
    if (m_refs.keyWords.IsKeyWord(id))
        return Refuse(messages, "Please Change Variable ID \n " + id + " is a keyword", Field::ID);
    if (m_refs.constants.IsIDUsedElsewhere(id, -1))
        return Refuse(messages, "ID is used as a Constant ID - Please Change", Field::ID);
    if (m_refs.domains.IsIDUsedElsewhere(id, -1))
        return Refuse(messages, "ID is used as a Domain ID - Please Change", Field::ID);
    if (m_refs.constraints.IsIDUsedElsewhere(id, -1))
        return Refuse(messages, "ID is used as a Constraint ID - Please Change", Field::ID);
    m_ids.push_back(id);
    return true;
}

bool NewVarDlgModel::CheckIDList(DialogMessages& messages) {
    std::string cleaned;
    for (char c : id)
        if (IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_' || c == ',') cleaned.push_back(c);
    if (cleaned.size() != id.size()) {
        id = cleaned;
        return Refuse(messages, "Illegal characters removed from ID", Field::ID);
    }
    std::string piece;
    for (std::size_t i = 0; i <= id.size(); ++i) {
        if (i < id.size() && id[i] != ',') {
            piece.push_back(id[i]);
            continue;
        }
        if (!piece.empty()) m_ids.push_back(piece);
        piece.clear();
    }
    if (m_ids.empty()) return Refuse(messages, "No legitimate Variable ID found", Field::ID);
    for (const std::string& name : m_ids) {
        if (!IsAsciiLetter(name[0]))
            return Refuse(messages, "Variable " + name + " must start with a letter", Field::ID);
        if (m_refs.variables.IsVariableID(name))
            return Refuse(messages, "Please Change Variable ID \n" + name + " it is already used", Field::ID);
        if (m_refs.keyWords.IsKeyWord(name))
            return Refuse(messages, "Please Change Variable ID \n " + name + " is a keyword", Field::ID);
        if (m_refs.constraints.IsIDUsedElsewhere(name, -1))
            return Refuse(messages, "ID is used as a Constraint ID - Please Change", Field::ID);
        if (m_refs.domains.IsIDUsedElsewhere(name, -1))
            return Refuse(messages, "ID is used as a Domain ID - Please Change", Field::ID);
        if (m_refs.constants.IsIDUsedElsewhere(name, -1))
            return Refuse(messages, "ID is used as a Constant ID - Please Change", Field::ID);
    }
    for (std::size_t i = 0; i < m_ids.size(); ++i)
        for (std::size_t j = i + 1; j < m_ids.size(); ++j)
            if (TavWorkbench::EqualsNoCase(m_ids[i], m_ids[j]))
                return Refuse(messages, m_ids[i] + " is duplicated in VarID", Field::ID);
    return true;
}

bool NewVarDlgModel::OnOK(DialogMessages& messages) {
    m_ids.clear();
    m_dimensions.clear();
    if (id.empty())
        return Refuse(messages, "A Variable ID is required\nPlease enter a Variable ID", Field::ID,
                      "No Variable ID");
    const bool idsAccepted = m_mode == Mode::New ? CheckIDList(messages) : CheckOneID(messages);
    if (!idsAccepted) {
        m_ids.clear();
        return false;
    }
    if (domainID.empty())
        return Refuse(messages,
                      "A Domain ID is required\n Double Click on List of Domains\n to select a Domain",
                      Field::DomainList, " No Domain ID");
    // The domain fixes the variable's type, so it must still exist.
    if (!m_refs.domains.IsDomainID(domainID))
        return Refuse(messages, "No Domain attached to Variable", Field::DomainList);
    if (isArray && sizeConstID.empty() && dimensionsText.empty())
        return Refuse(messages, "Specify number of variables or select a Constant", Field::Dimensions);
    if (isArray && sizeConstID.empty()) {
        long long number = -1;
        for (std::size_t i = 0; i <= dimensionsText.size(); ++i) {
            if (i < dimensionsText.size() && IsAsciiDigit(dimensionsText[i])) {
                number = (number < 0 ? 0 : number) * 10 + (dimensionsText[i] - '0');
                if (number > 0x7FFFFFFF) return Refuse(messages, "Error in Qty", Field::Dimensions);
                continue;
            }
            if (number < 0) {
                m_dimensions.clear();
                return Refuse(messages, "Error in Qty", Field::Dimensions);
            }
            m_dimensions.push_back(static_cast<int>(number));
            number = -1;
        }
    }
    return true;
}

std::vector<std::unique_ptr<TavWorkbench::CVariable>> NewVarDlgModel::MakeVariables() const {
    using TavWorkbench::CVariable;
    std::vector<std::unique_ptr<CVariable>> made;
    const int domain = m_refs.domains.FindDomain(domainID);
    const CVariable::Type type =
        domain >= 0 ? CVariable::TypeOf(m_refs.domains[domain]->GetType()) : CVariable::Type::None;
    for (const std::string& name : m_ids) {
        if (isArray)
            made.push_back(std::make_unique<TavWorkbench::CVariable>(name, type, domainID, 1, sizeConstID,
                                                                     m_dimensions));
        else
            made.push_back(std::make_unique<TavWorkbench::CVariable>(name, type, domainID, 0, std::string(),
                                                                     std::vector<int>{}));
    }
    return made;
}

std::unique_ptr<TavWorkbench::CVariable>
NewVarDlgModel::MakeEdited(const TavWorkbench::CVariable& edited) const {
    const int domain = m_refs.domains.FindDomain(domainID);
    const TavWorkbench::CVariable::Type type =
        domain >= 0 ? TavWorkbench::CVariable::TypeOf(m_refs.domains[domain]->GetType()) : edited.GetType();
    return std::make_unique<TavWorkbench::CVariable>(m_ids.front(), type, domainID, isArray ? 1 : 0,
                                                     isArray ? sizeConstID : std::string(), m_dimensions);
}

} // namespace TavDialogs
