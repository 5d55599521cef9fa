#pragma once
// The last value each argument of a caching node reported, with the arguments whose value is
// undefined. Invariant: undefinedCount is the number of set flags; an undefined entry's value
// is 0.

#include <vector>

namespace GLSLib {

class IntObj;

class ArgumentCache {
public:
    // Reads every argument's current value afresh.
    void Load(const std::vector<IntObj*>& args);
    int Value(unsigned i) const { return m_values[i]; }
    bool IsUndefined(unsigned i) const { return m_undefined[i] != 0; }
    bool AnyUndefined() const { return m_undefinedCount > 0; }
    // Records v for argument i.
    void SetDefined(unsigned i, int v) {
        if (m_undefined[i]) {
            m_undefined[i] = 0;
            --m_undefinedCount;
        }
        m_values[i] = v;
    }
    // Records that argument i has no value.
    void SetUndefined(unsigned i) {
        if (!m_undefined[i]) {
            m_undefined[i] = 1;
            ++m_undefinedCount;
        }
        m_values[i] = 0;
    }
    std::size_t Size() const { return m_values.size(); }

private:
    std::vector<int> m_values;
    std::vector<unsigned char> m_undefined;
    int m_undefinedCount = 0;
};

} // namespace GLSLib
