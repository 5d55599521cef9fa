#pragma once
// The solution store: one column per solution label (variable name), then "Cost" and
// "Soft Cost" when the solutions carry them. The run thread fills it while holding the
// document's solve lock; readers hold the same lock.

#include "workbench/model/CVarSolution.hpp"
#include "workbench/model/OwningArray.hpp"

#include <string>

namespace TavWorkbench {

class CSolutionArray : public OwningArray<CVarSolution> {
public:
    // The column at `index`; when the index is at or past the end, a new column named `id` is
    // appended and returned.
    CVarSolution* GetVarSolution(int index, const std::string& id);
    // The value text of that variable in solution `solution` (from 0): the first column with
    // that id (ignoring case) holding that many values; empty when none does.
    std::string GetValue(const std::string& id, int solution) const;
    // Deletes every column.
    void Clear() { RemoveAll(); }
};

} // namespace TavWorkbench
