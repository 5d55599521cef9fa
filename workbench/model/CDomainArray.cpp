#include "workbench/model/CDomainArray.hpp"

#include "workbench/model/CBoolDomain.hpp"
#include "workbench/model/CDoubleDomain.hpp"
#include "workbench/model/CEnumDomain.hpp"
#include "workbench/model/CIntDomain.hpp"
#include "workbench/model/CSetDomain.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

int CDomainArray::FindDomain(const std::string& id) const {
    for (int i = 0; i < GetSize(); ++i)
        if (EqualsNoCase(GetAt(i)->GetID(), id)) return i;
    return -1;
}

bool CDomainArray::IsIDUsedElsewhere(const std::string& id, int skip) const {
    for (int i = 0; i < GetSize(); ++i)
        if (i != skip && EqualsNoCase(GetAt(i)->GetID(), id)) return true;
    return false;
}

bool CDomainArray::AllPredefined() const {
    for (const auto& domain : *this)
        if (!domain->IsPredefined()) return false;
    return true;
}

void CDomainArray::AddBoolDomain(const std::string& id) {
    Add(std::make_unique<CBoolDomain>(id));
}

void CDomainArray::AddEnumDomain(const std::string& id, const std::vector<std::string>& names) {
    auto domain = std::make_unique<CEnumDomain>();
    domain->Set(id, names);
    Add(std::move(domain));
}

void CDomainArray::AddIntDomain(const std::string& id, const std::string& listConstID,
                                const std::string& minConstID, const std::string& maxConstID, int lower,
                                int upper, const std::vector<int>& values, int minOffset, int maxOffset) {
    auto domain = std::make_unique<CIntDomain>();
    domain->Set(id, listConstID, minConstID, maxConstID, lower, upper, values, minOffset, maxOffset);
    Add(std::move(domain));
}

void CDomainArray::AddDoubleDomain(const std::string& id, double lower, double upper) {
    auto domain = std::make_unique<CDoubleDomain>();
    domain->Set(id, lower, upper);
    Add(std::move(domain));
}

void CDomainArray::AddSetDomain(const std::string& id, const std::vector<int>& values) {
    auto domain = std::make_unique<CSetDomain>();
    domain->Set(id, values);
    Add(std::move(domain));
}

} // namespace TavWorkbench
