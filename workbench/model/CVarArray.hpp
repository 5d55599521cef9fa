#pragma once
// The document's variables, owned, with lookups by id (ignoring case).

#include "workbench/model/CVariable.hpp"
#include "workbench/model/ModelArray.hpp"

#include <string>
#include <vector>

namespace TavWorkbench {

class CVarArray : public ModelArray<CVariable> {
public:
    CVarArray() : ModelArray(ModelKind::Variable) {}
    // Index of the first variable with that id, -1 if none.
    int FindVariable(const std::string& id) const;
    bool IsVariableID(const std::string& id) const { return FindVariable(id) >= 0; }
    // True when a variable other than the one at `skip` has that id; -1 skips none.
    bool IsIDUsedElsewhere(const std::string& id, int skip) const;
    // Appends the id of every variable over that domain; true when it appended any.
    bool GetVariablesOfDomain(const std::string& domainID, std::vector<std::string>& ids) const;
    // Appends a single variable (array flag 0: id, type and domain id) or an array (array flag 1,
    // with domain id, size text and a copy of the dimensions).
    void AddVariable(const std::string& id, CVariable::Type type, const std::string& domainID, int arrayFlag,
                     const std::string& sizeText, const std::vector<int>& dimensions);
};

} // namespace TavWorkbench
