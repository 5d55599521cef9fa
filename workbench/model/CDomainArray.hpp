#pragma once
// The document's domains, owned, with the lookups by id (ignoring case) and the adders the
// dialogs, wizards and templates use.

#include "workbench/model/CDomain.hpp"
#include "workbench/model/ModelArray.hpp"

#include <string>
#include <vector>

namespace TavWorkbench {

class CDomainArray : public ModelArray<CDomain> {
public:
    CDomainArray() : ModelArray(ModelKind::Domain) {}
    // Index of the first domain with that id, -1 if none.
    int FindDomain(const std::string& id) const;
    bool IsDomainID(const std::string& id) const { return FindDomain(id) >= 0; }
    // True when a domain other than the one at `skip` has that id; -1 skips none.
    bool IsIDUsedElsewhere(const std::string& id, int skip) const;
    // True when the array is empty or every domain is predefined (no "Domains" section).
    bool AllPredefined() const;

    // Each creates the domain, fills it as the kind's Set does and appends it.
    void AddBoolDomain(const std::string& id);
    void AddEnumDomain(const std::string& id, const std::vector<std::string>& names);
    void AddIntDomain(const std::string& id, const std::string& listConstID, const std::string& minConstID,
                      const std::string& maxConstID, int lower, int upper, const std::vector<int>& values,
                      int minOffset, int maxOffset);
    void AddDoubleDomain(const std::string& id, double lower, double upper);
    void AddSetDomain(const std::string& id, const std::vector<int>& values);
};

} // namespace TavWorkbench
