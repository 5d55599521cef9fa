#pragma once
// The fixed table of constraint templates, in the order the constraint builder lists them.

#include "workbench/model/CAvailCon.hpp"
#include "workbench/model/OwningArray.hpp"

namespace TavWorkbench {

class CAvConArray : public OwningArray<CAvailCon> {
public:
    // Fills the table.
    CAvConArray();
};

} // namespace TavWorkbench
