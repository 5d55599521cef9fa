#pragma once
// The "External Solvers" choice dialog without its widgets: the programs to choose from, as
// (solver name, user number) pairs, and the chosen entry (none until OK with a selection).

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace TavNet {

class ExSolDlgModel {
public:
    using Entry = std::pair<std::string, int>;

    ExSolDlgModel(std::string title, std::vector<Entry> entries)
        : m_title(std::move(title)), m_entries(std::move(entries)) {}

    const std::string& Title() const { return m_title; }
    const std::vector<Entry>& Entries() const { return m_entries; }
    // The line shown for entry i: "User#<number>: <name>".
    std::string Line(std::size_t i) const {
        return "User#" + std::to_string(m_entries.at(i).second) + ": " + m_entries.at(i).first;
    }
    // Selects entry i (an index outside the list selects nothing).
    void Select(int i) {
        m_selection =
            i >= 0 && static_cast<std::size_t>(i) < m_entries.size() ? std::optional<int>(i) : std::nullopt;
    }
    // The user number chosen, when an entry is selected.
    std::optional<int> ChosenUser() const {
        if (!m_selection) return std::nullopt;
        return m_entries[static_cast<std::size_t>(*m_selection)].second;
    }

private:
    std::string m_title;
    std::vector<Entry> m_entries;
    std::optional<int> m_selection;
};

} // namespace TavNet
