#include "workbench/model/CConArray.hpp"

#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

int CConArray::FindConstraint(const std::string& id) const {
    for (int i = 0; i < GetSize(); ++i)
        if (EqualsNoCase(GetAt(i)->GetID(), id)) return i;
    return -1;
}

bool CConArray::IsIDUsedElsewhere(const std::string& id, int skip) const {
    for (int i = 0; i < GetSize(); ++i)
        if (i != skip && EqualsNoCase(GetAt(i)->GetID(), id)) return true;
    return false;
}

bool CConArray::IsIDInUse(const std::string& id) const {
    const std::string lowered = ToLowerAscii(id);
    for (const auto& constraint : *this)
        if (constraint->IsIDReferenced(lowered)) return true;
    return false;
}

} // namespace TavWorkbench
