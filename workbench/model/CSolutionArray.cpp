#include "workbench/model/CSolutionArray.hpp"

#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

CVarSolution* CSolutionArray::GetVarSolution(int index, const std::string& id) {
    if (index < GetSize() && index >= 0) return GetAt(index);
    const int added = Add(std::make_unique<CVarSolution>(id));
    return GetAt(added);
}

std::string CSolutionArray::GetValue(const std::string& id, int solution) const {
    if (solution < 0) return {};
    for (const auto& column : *this)
        if (EqualsNoCase(column->GetID(), id) && column->GetCount() > solution)
            return column->GetValues()[static_cast<std::size_t>(solution)];
    return {};
}

} // namespace TavWorkbench
