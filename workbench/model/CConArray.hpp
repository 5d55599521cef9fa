#pragma once
// The document's constraints, owned.

#include "workbench/model/CConstraint.hpp"
#include "workbench/model/ModelArray.hpp"

namespace TavWorkbench {

class CConArray : public ModelArray<CConstraint> {
public:
    CConArray() : ModelArray(ModelKind::Constraint) {}
    // Index of the first constraint with that id (ignoring case), -1 if none.
    int FindConstraint(const std::string& id) const;
    // True when a constraint other than the one at `skip` has that id; -1 skips none.
    bool IsIDUsedElsewhere(const std::string& id, int skip) const;
    // True when some constraint's referenced ids contain `id` (ignoring case).
    bool IsIDInUse(const std::string& id) const;
};

} // namespace TavWorkbench
