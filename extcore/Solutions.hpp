#pragma once
// The solutions of the external solver's runs, in the order added, and the two texts made of
// them: the transfer text sent back to the workbench and the report for the program's log.

#include "extcore/Solution.hpp"

#include <cstddef>
#include <iosfwd>
#include <vector>

namespace Melvane {

class Solutions {
public:
    Solutions() = default;
    virtual ~Solutions() = default;

    void Add(const Solution& solution) { m_solutions.push_back(solution); }
    void RemoveAll() { m_solutions.clear(); }
    std::size_t Size() const { return m_solutions.size(); }
    bool Empty() const { return m_solutions.empty(); }
    const Solution& operator[](std::size_t i) const { return m_solutions.at(i); }

    // The count and a new line, then per solution "<S>", a new line, its transfer text and
    // one more new line.
    void WriteText(std::ostream& out) const;
    // "No solutions\n" when empty; else per solution "Solution\t", its run number, ":", its
    // values and "\n".
    void WriteReport(std::ostream& out) const;

private:
    std::vector<Solution> m_solutions;
};

} // namespace Melvane
