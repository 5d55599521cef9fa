#pragma once
// One solution: labels in variable order, a cost label ("nocost" until set) and a soft-cost
// label ("nosoftcost" until set), and the solution's number (1 for the first found).

#include "language/raw/RawLabel.hpp"

#include <iosfwd>
#include <vector>

namespace TavLanguage {

class RawSolution {
public:
    explicit RawSolution(int number = 0);

    int GetNumber() const { return m_number; }
    // Appends a label at the end.
    void AddLabel(RawLabel label) { m_labels.push_back(std::move(label)); }
    const std::vector<RawLabel>& GetLabels() const { return m_labels; }
    int GetSize() const { return static_cast<int>(m_labels.size()); }
    // Label `index` (0-based); throws Bug when out of range.
    const RawLabel& GetLabel(int index) const;
    // The label of that name; null when there is none.
    const RawLabel* FindLabel(const std::string& name) const;

    // The cost label becomes ("cost", value).
    void SetCost(RPtr<RawExpr> value);
    // The soft-cost label becomes ("soft cost", value).
    void SetSoftCost(RPtr<RawExpr> value);
    const RawLabel& GetCost() const { return m_cost; }
    const RawLabel& GetSoftCost() const { return m_softCost; }

    // Writes "name = value" lines, then the cost and soft cost when set.
    std::ostream& Print(std::ostream& out) const;

private:
    int m_number;
    std::vector<RawLabel> m_labels;
    RawLabel m_cost;
    RawLabel m_softCost;
};

} // namespace TavLanguage
