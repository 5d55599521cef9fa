#pragma once
// A read-only look at what a variable may take: its type, domain and size, and its domain's
// range or values. Every selection fills every box afresh.

#include "workbench/model/CDomainArray.hpp"
#include "workbench/model/CVarArray.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class SeeAllDlgModel {
public:
    SeeAllDlgModel(const TavWorkbench::CDomainArray& domains, const TavWorkbench::CVarArray& variables)
        : m_domains(domains), m_variables(variables) {}

    // Every variable's id, in array order; nothing is selected at first.
    std::vector<std::string> VariableEntries() const;
    // A selection change: the boxes show the variable at `row` (all empty for an invalid row).
    void OnSelect(int row);

    int selection = -1;
    std::string dataType;
    std::string domainID;
    std::string size;
    std::string lower;
    std::string upper;
    std::vector<std::string> values;

private:
    const TavWorkbench::CDomainArray& m_domains;
    const TavWorkbench::CVarArray& m_variables;
};

} // namespace TavDialogs
