#include "workbench/model/CVarArray.hpp"

#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

int CVarArray::FindVariable(const std::string& id) const {
    for (int i = 0; i < GetSize(); ++i)
        if (EqualsNoCase(GetAt(i)->GetID(), id)) return i;
    return -1;
}

bool CVarArray::IsIDUsedElsewhere(const std::string& id, int skip) const {
    for (int i = 0; i < GetSize(); ++i)
        if (i != skip && EqualsNoCase(GetAt(i)->GetID(), id)) return true;
    return false;
}

bool CVarArray::GetVariablesOfDomain(const std::string& domainID, std::vector<std::string>& ids) const {
    bool any = false;
    for (const auto& variable : *this) {
        if (EqualsNoCase(variable->GetDomainID(), domainID)) {
            ids.push_back(variable->GetID());
            any = true;
        }
    }
    return any;
}

void CVarArray::AddVariable(const std::string& id, CVariable::Type type, const std::string& domainID,
                            int arrayFlag, const std::string& sizeText, const std::vector<int>& dimensions) {
    if (arrayFlag == 0) {
        Add(std::make_unique<CVariable>(id, type, domainID, 0, std::string(), std::vector<int>()));
    } else {
        Add(std::make_unique<CVariable>(id, type, domainID, 1, sizeText, dimensions));
    }
}

} // namespace TavWorkbench
