#include "language/raw/RawSet.hpp"

namespace TavLanguage {

RawSet::RawSet(const RawArr& elements) : RawCol(RawType::SetVal) {
    Reserve(elements.GetElements().size());
    for (const auto& element : elements.GetElements())
        Append(element);
}

} // namespace TavLanguage
