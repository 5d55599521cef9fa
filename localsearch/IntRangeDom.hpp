#pragma once
// The integer domain lo..hi.

#include "localsearch/IntDom.hpp"

namespace GLSLib {

class IntRangeDom : public IntDom {
public:
    // Throws ModelError when lo > hi (empty) or the range holds more than kMaxSize values.
    IntRangeDom(const char* name, int lo, int hi);
    bool IsInterval() const override { return true; }
    int ValueAt(int index) const override { return m_lo + index; }
    int IndexOf(int value) const override { return value >= m_lo && value <= m_hi ? value - m_lo : -1; }
    int Size() const override { return m_hi - m_lo + 1; }
    int Min() const override { return m_lo; }
    int Max() const override { return m_hi; }

private:
    int m_hi;
    int m_lo;
};

} // namespace GLSLib
