#include "language/raw/RawType.hpp"

#include "language/raw/RawKinds.hpp"

namespace TavLanguage {

std::string RawTypeName(RawType type) {
    const RawKind* kind = FindRawKind(type);
    return kind != nullptr ? kind->name : std::to_string(ToCode(type));
}

} // namespace TavLanguage
