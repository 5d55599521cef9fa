#include "workbench/model/CConstArray.hpp"

#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

int CConstArray::FindConstantIndex(const std::string& id) const {
    for (int i = 0; i < GetSize(); ++i)
        if (EqualsNoCase(GetAt(i)->GetID(), id)) return i;
    return -1;
}

const CConstant* CConstArray::FindConstant(const std::string& id) const {
    const int index = FindConstantIndex(id);
    return index < 0 ? nullptr : GetAt(index);
}

bool CConstArray::IsIDUsedElsewhere(const std::string& id, int skip) const {
    for (int i = 0; i < GetSize(); ++i)
        if (i != skip && EqualsNoCase(GetAt(i)->GetID(), id)) return true;
    return false;
}

} // namespace TavWorkbench
