#include "workbench/dialogs/transport/BothQuantDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/lp/LPText.hpp"
#include "workbench/dialogs/transport/WarningDlgModel.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace TavDialogs {

namespace {

std::vector<BothQuantDlgModel::Row> Labelled(const char* prefix, int count) {
    std::vector<BothQuantDlgModel::Row> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back({std::string(prefix) + "[" + std::to_string(i) + "]", ""});
    return rows;
}

std::string Format(const char* format, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

BothQuantDlgModel::BothQuantDlgModel(int sources, int destinations)
    : m_sources(Labelled("S", sources)), m_destinations(Labelled("D", destinations)) {}

void BothQuantDlgModel::OpenEditor(Grid grid, int row) {
    if (row < 1 || row > static_cast<int>(Rows(grid).size())) return;
    m_active = grid;
    m_editorRow = row;
}

void BothQuantDlgModel::MoveEditorDown() {
    const int rows = static_cast<int>(Rows(m_active).size());
    if (rows > 0) m_editorRow = m_editorRow >= rows ? 1 : m_editorRow + 1;
}

void BothQuantDlgModel::MoveEditorUp() {
    const int rows = static_cast<int>(Rows(m_active).size());
    if (rows > 0) m_editorRow = m_editorRow <= 1 ? rows : m_editorRow - 1;
}

void BothQuantDlgModel::RemoveDummy() {
    m_removeEnabled = false;
    if (m_dummyDestination && !m_destinations.empty()) m_destinations.pop_back();
    if (m_dummySource && !m_sources.empty()) m_sources.pop_back();
    m_dummySource = m_dummyDestination = false;
    m_editorRow = std::clamp(m_editorRow, 1, std::max<int>(1, static_cast<int>(Rows(m_active).size())));
}

std::string BothQuantDlgModel::DifferenceText(double difference) {
    const double whole = std::round(difference);
    if (std::fabs(difference - whole) <= kTolerance * std::max(1.0, std::fabs(difference)))
        return Format("%.0f", whole);
    return Format("%f", difference);
}

bool BothQuantDlgModel::SameTotal(double a, double b) {
    return std::fabs(a - b) <= kTolerance * std::max({1.0, std::fabs(a), std::fabs(b)});
}

bool BothQuantDlgModel::OnOK(WizardHost& host) {
    DialogMessages& messages = host.Messages();
    double sums[2] = {0.0, 0.0};
    std::vector<double> values[2];
    for (Grid grid : {Grid::Sources, Grid::Destinations}) {
        const auto& rows = Rows(grid);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            double value = 0.0;
            if (!IsNumericCell(rows[i].quantity) ||
                !TavWorkbench::SimpleFloatParse(rows[i].quantity, value)) {
                messages.ShowBox(NonNumericMessage(static_cast<int>(i) + 1), {});
                OpenEditor(grid, static_cast<int>(i) + 1);
                return false;
            }
            values[static_cast<int>(grid)].push_back(value);
            sums[static_cast<int>(grid)] += value;
        }
    }
    const double supply = sums[static_cast<int>(Grid::Sources)];
    const double demand = sums[static_cast<int>(Grid::Destinations)];
    if (SameTotal(supply, demand)) {
        m_supplies = values[static_cast<int>(Grid::Sources)];
        m_demands = values[static_cast<int>(Grid::Destinations)];
        return true;
    }
    if (!m_dummySource && !m_dummyDestination) {
        WarningDlgModel warning(false, supply, demand);
        if (host.Run(warning) == DialogEnd::Ok) {
            OpenEditor(Grid::Sources, 1);
            return false;
        }
        const Row dummy{"Dummy", DifferenceText(std::fabs(supply - demand))};
        if (supply < demand) {
            m_sources.push_back(dummy);
            m_dummySource = true;
        } else {
            m_destinations.push_back(dummy);
            m_dummyDestination = true;
        }
        m_removeEnabled = true;
        return false;
    }
    messages.ShowBox("Warehouses = " + Format("%.3f", supply) + " Customers = " + Format("%.3f", demand) +
                         "\r\nYou must Remove Dummy\r\nor Edit Quantities\r\nor Cancel",
                     {});
    return false;
}

} // namespace TavDialogs
