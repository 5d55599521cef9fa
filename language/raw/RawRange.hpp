#pragma once
// The integers low to high inclusive (code 48); empty when low > high.

#include "language/raw/RawCol.hpp"

namespace TavLanguage {

class RawRange : public RawCol {
public:
    RawRange(int low, int high) : RawCol(RawType::Range), m_low(low), m_high(high) {}
    int GetLow() const { return m_low; }
    int GetHigh() const { return m_high; }
    // high - low + 1; throws Bug when the range holds more than INT_MAX values.
    int GetSize() const override;
    // A new RawInt of low + index.
    RPtr<RawExpr> GetElement(int index) const override;

private:
    int m_low;
    int m_high;
};

} // namespace TavLanguage
