#include "language/raw/RawRange.hpp"

#include "language/Bug.hpp"
#include "language/raw/RawInt.hpp"

#include <climits>
#include <cstdint>

namespace TavLanguage {

int RawRange::GetSize() const {
    const std::int64_t size = static_cast<std::int64_t>(m_high) - m_low + 1;
    if (size <= 0) return 0;
    if (size > INT_MAX) throw Bug("RawRange.cpp", 12);
    return static_cast<int>(size);
}

RPtr<RawExpr> RawRange::GetElement(int index) const {
    if (index < 0 || index >= GetSize()) throw Bug("RawRange.cpp", 17);
    return RPtr<RawExpr>(new RawInt(static_cast<int>(static_cast<std::int64_t>(m_low) + index)));
}

} // namespace TavLanguage
