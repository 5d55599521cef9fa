#pragma once
// One solution found by one run of the external solver: (variable name, value) pairs in the
// order stored, the run's number within its solve, and the two costs. The cost is the value
// of the problem's objective expression, the soft cost the summed weight of the broken soft
// constraints; each is unset when the problem has no objective (no soft constraints).

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Melvane {

class Solution {
public:
    // Written in place of a cost that is not set.
    static constexpr int kUnset = -1;

    explicit Solution(int runNumber) : m_runNumber(runNumber) {}
    virtual ~Solution() = default;
    Solution(const Solution&) = default;
    Solution& operator=(const Solution&) = default;

    void Add(std::string name, int value) { m_values.emplace_back(std::move(name), value); }
    void SetCost(int cost) { m_cost = cost; }
    void SetSoftCost(int softCost) { m_softCost = softCost; }
    bool HasCost() const { return m_cost.has_value(); }
    bool HasSoftCost() const { return m_softCost.has_value(); }
    // The costs; kUnset when not set.
    int GetCost() const { return m_cost.value_or(kUnset); }
    int GetSoftCost() const { return m_softCost.value_or(kUnset); }
    int GetRunNumber() const { return m_runNumber; }
    const std::vector<std::pair<std::string, int>>& GetValues() const { return m_values; }

    // Transfer text: the pair count and a new line, then "name value " per pair, then
    // "cost " cost, new line, "soft " soft cost, new line (kUnset for an unset cost).
    void WriteText(std::ostream& out) const;
    // Report text: "name value " per pair, then the cost and a new line, then the soft cost
    // and a new line, each only when set.
    void WriteValues(std::ostream& out) const;

private:
    std::vector<std::pair<std::string, int>> m_values;
    std::optional<int> m_softCost;
    std::optional<int> m_cost;
    int m_runNumber;
};

} // namespace Melvane
