#pragma once
// The document's constants ("Data"), owned, with lookups by id (ignoring case).

#include "workbench/model/CConstant.hpp"
#include "workbench/model/ModelArray.hpp"

namespace TavWorkbench {

class CConstArray : public ModelArray<CConstant> {
public:
    CConstArray() : ModelArray(ModelKind::Constant) {}
    // The first constant with that id, or null.
    const CConstant* FindConstant(const std::string& id) const;
    // Index of the first constant with that id, -1 if none.
    int FindConstantIndex(const std::string& id) const;
    // True when a constant other than the one at `skip` has that id; -1 skips none.
    bool IsIDUsedElsewhere(const std::string& id, int skip) const;
};

} // namespace TavWorkbench
