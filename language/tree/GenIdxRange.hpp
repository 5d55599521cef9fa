#pragma once
// i in [low..high] (also written i = [low..high]): the integers low to high; empty when low > high.

#include "language/tree/GenRangeBase.hpp"

#include <cstdint>

namespace TavLanguage {

class GenIdxRange : public GenRangeBase {
public:
    GenIdxRange(int line, std::string name, GenPtr low, GenPtr high)
        : GenRangeBase(line, std::move(name)), m_low(std::move(low)), m_high(std::move(high)) {}
    // Code 18 when a bound is not an integer value.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    void Reset(ParseContext& ctx) override;
    bool AtEnd() const override { return m_current > m_last; }
    void Advance() override { ++m_current; }
    RPtr<RawExpr> Current() const override;
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        Release(m_low, out);
        Release(m_high, out);
    }

private:
    GenPtr m_low;
    GenPtr m_high;
    std::int64_t m_current = 1;
    std::int64_t m_last = 0;
};

} // namespace TavLanguage
