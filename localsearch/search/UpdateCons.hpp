#pragma once
// Which constraints have their share of every value's cost held in the value table (Pinputs),
// by constraint id: the small ones (fewer than 5 distinct variables), or all of them when the
// search keeps its tables by delta update. Flags beyond the ones set explicitly are true.

#include <vector>

namespace GLSLib {

class ExprObj;
class GLSCSP;

class UpdateCons {
public:
    virtual ~UpdateCons() = default;

    // Sized to the constraint count; every constraint of the problem flagged when it is small,
    // or in every case when all is true.
    void Initialise(const GLSCSP& problem, bool all = false);
    void Set(int id);
    void Clear(int id);
    // Sized to the constraint count, new flags true.
    void Grow();
    bool Get(int id) const {
        return static_cast<unsigned>(id) >= m_flags.size() || m_flags[static_cast<unsigned>(id)] != 0;
    }
    // True when the node depends on fewer than 5 distinct variables.
    static bool IsSmall(ExprObj* node);

private:
    std::vector<char> m_flags;
};

} // namespace GLSLib
