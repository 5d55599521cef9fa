#pragma once
// The quantities of a transportation problem: a supply per source and a demand per destination,
// each in its own one-column grid. When the totals differ the user may let the dialog add a
// dummy source or destination that takes up the difference ("Automatic"), and remove it again.

#include "workbench/dialogs/WizardHost.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class BothQuantDlgModel {
public:
    static constexpr const char* kTitle = "Source and Destination Quantities";
    enum class Grid { Destinations = 0, Sources = 1 };
    // Totals closer than this, relative to their size, are equal.
    static constexpr double kTolerance = 1e-9;

    struct Row {
        std::string label;
        std::string quantity;
    };

    BothQuantDlgModel(int sources, int destinations);

    // Rows "S[1]" .. and "D[1]" .. (the dummy row "Dummy"), each with its quantity text.
    std::vector<Row>& Rows(Grid grid) { return grid == Grid::Sources ? m_sources : m_destinations; }
    const std::vector<Row>& Rows(Grid grid) const {
        return grid == Grid::Sources ? m_sources : m_destinations;
    }
    bool DummySourceAdded() const { return m_dummySource; }
    bool DummyDestinationAdded() const { return m_dummyDestination; }
    bool RemoveDummyEnabled() const { return m_removeEnabled; }

    // The editor: its grid and row (from 1). Opening it on a row makes that grid the active one.
    Grid ActiveGrid() const { return m_active; }
    int EditorRow() const { return m_editorRow; }
    void OpenEditor(Grid grid, int row);
    // Tab and Down: the next row, from the last to the first; Up: the previous, from the first to the last.
    void MoveEditorDown();
    void MoveEditorUp();

    // "Remove Dummy": deletes the added dummy row (and disables itself).
    void RemoveDummy();

    // Every quantity a number ("Non-numeric Data in box <row>", the editor on that cell). Equal
    // totals close the dialog. Unequal totals without a dummy ask the balance dialog: "Change"
    // puts the editor on the first source, "Automatic" adds the dummy; unequal totals with a
    // dummy show "Warehouses = ... Customers = ..." and what to do. The dialog stays open then.
    bool OnOK(WizardHost& host);

    // After OK: one quantity per row (the dummy row included), in row order.
    const std::vector<double>& GetSupplies() const { return m_supplies; }
    const std::vector<double>& GetDemands() const { return m_demands; }

    // The dummy row's quantity text: "%.0f" for a whole number, "%f" otherwise.
    static std::string DifferenceText(double difference);
    static bool SameTotal(double a, double b);

private:
    std::vector<Row> m_sources;
    std::vector<Row> m_destinations;
    bool m_dummySource = false;
    bool m_dummyDestination = false;
    bool m_removeEnabled = false;
    Grid m_active = Grid::Sources;
    int m_editorRow = 1;
    std::vector<double> m_supplies;
    std::vector<double> m_demands;
};

} // namespace TavDialogs
