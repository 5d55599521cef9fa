#pragma once
// Which constraints the evaluation takes into account, by constraint id. Flags beyond the ones
// set explicitly are true.

#include <vector>

namespace GLSLib {

class Con;
class GLSCSP;

class ConsiderCons {
public:
    virtual ~ConsiderCons() = default;

    // Sized to the constraint count (new flags true); then every constraint of the problem is
    // considered when evaluate is false, else initialised and considered when violated.
    void Initialise(GLSCSP& problem, bool evaluate);
    // The same rule for one constraint.
    void Set(Con* c, bool evaluate);
    // Sets one flag directly.
    void SetFlag(int id, bool considered);
    // Sized to the constraint count, new flags true.
    void Grow();
    bool Get(int id) const {
        return static_cast<unsigned>(id) >= m_flags.size() || m_flags[static_cast<unsigned>(id)] != 0;
    }

private:
    std::vector<char> m_flags;
};

} // namespace GLSLib
