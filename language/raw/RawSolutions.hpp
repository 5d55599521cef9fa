#pragma once
// The solutions found by a solver, in the order found. References returned by AddSolution and
// GetSolution stay valid while solutions are appended.

#include "language/raw/RawSolution.hpp"

#include <deque>

namespace TavLanguage {

class RawSolutions {
public:
    // Appends an empty solution numbered (count + 1) and returns it.
    RawSolution& AddSolution();
    int GetCount() const { return static_cast<int>(m_solutions.size()); }
    bool IsEmpty() const { return m_solutions.empty(); }
    // Solution `index` (0-based); throws Bug when out of range.
    const RawSolution& GetSolution(int index) const;
    const RawSolution& Last() const { return GetSolution(GetCount() - 1); }
    void Clear() { m_solutions.clear(); }

    auto begin() const { return m_solutions.begin(); }
    auto end() const { return m_solutions.end(); }

private:
    std::deque<RawSolution> m_solutions;
};

} // namespace TavLanguage
