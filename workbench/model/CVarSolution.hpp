#pragma once
// One result column of the solution store: a variable's (or the cost's) name and its value
// text in each solution found, in the order found.

#include <string>
#include <vector>

namespace TavWorkbench {

class CVarSolution {
public:
    explicit CVarSolution(std::string id = {}) : m_id(std::move(id)) {}

    const std::string& GetID() const { return m_id; }
    const std::vector<std::string>& GetValues() const { return m_values; }
    int GetCount() const { return static_cast<int>(m_values.size()); }
    void AddValue(std::string value) { m_values.push_back(std::move(value)); }
    // Empties the values.
    void Clear() { m_values.clear(); }

private:
    std::string m_id;
    std::vector<std::string> m_values;
};

} // namespace TavWorkbench
