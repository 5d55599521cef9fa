#include "language/raw/RawType.hpp"

#include "language/raw/RawKinds.hpp"

std::string RawTypeName(RawType type) {
    const RawKind* kind = FindRawKind(type);
    return kind != nullptr ? kind->name : std::to_string(ToCode(type));
}
