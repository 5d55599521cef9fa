#pragma once
// The "External Solvers" list: the connected programs to choose from, each a solver name and the
// program's user number, shown as "User#<number>: <name>". A double-click, or OK on a highlighted
// entry, chooses one. OK with none highlighted chooses none, so the chosen index keeps its preset
// (the number of entries plus one).

#include <optional>
#include <string>
#include <vector>

namespace TavDialogs {

class ExSolDlgModel {
public:
    struct Entry {
        std::string name;
        int userNumber;
    };

    explicit ExSolDlgModel(std::vector<Entry> entries)
        : m_entries(std::move(entries)), m_chosen(static_cast<int>(m_entries.size()) + 1) {}

    const std::vector<Entry>& Entries() const { return m_entries; }
    // The line shown for entry `row`: "User#<number>: <name>"; throws std::out_of_range.
    std::string Line(std::size_t row) const;
    // A double-click on `row`: it becomes the choice and the dialog closes with OK.
    void OnDoubleClick(int row) { OnChoose(row); }
    // OK with `row` highlighted: it becomes the choice.
    void OnChoose(int row);
    // The chosen row, or the preset when none was chosen.
    int GetChosen() const { return m_chosen; }
    bool HasChoice() const { return m_chosen >= 0 && m_chosen < static_cast<int>(m_entries.size()); }
    // The user number of the chosen entry; nothing when none was chosen.
    std::optional<int> ChosenUser() const;

private:
    std::vector<Entry> m_entries;
    int m_chosen;
};

} // namespace TavDialogs
