#include "complete/ReleaseGlobals.hpp"

#include "complete/Registry.hpp"

namespace GFCLib {

void ReleaseGlobals() {
    Registry::Current().Release();
}

} // namespace GFCLib
