#include "workbench/views/TavViewModel.hpp"

#include <algorithm>
#include <cctype>
#include <climits>

namespace TavWorkbench {

namespace {

// The leading whole number of a cell: blanks skipped, an optional sign, digits; 0 when none.
// Saturates instead of overflowing.
long long LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        const int digit = text[i] - '0';
        if (value > (LLONG_MAX - digit) / 10) return negative ? LLONG_MIN : LLONG_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

long long SaturatingAdd(long long a, long long b) {
    if (b > 0 && a > LLONG_MAX - b) return LLONG_MAX;
    if (b < 0 && a < LLONG_MIN - b) return LLONG_MIN;
    return a + b;
}

} // namespace

int TavViewModel::SolutionCount(const CSolutionArray& store) {
    int count = 0;
    for (const auto& column : store)
        count = std::max(count, column->GetCount());
    return count;
}

void TavViewModel::RefreshResults(int count, const CSolutionArray& store, int requested) {
    const int records = store.GetSize();
    const int solutions = SolutionCount(store);
    const bool newSet = count == 1 || solutions < m_filled;
    if (newSet) {
        m_grid.SetCols(1);
        m_grid.SetRows(1);
        m_grid.SetTextMatrix(0, 0, "");
        m_grid.SetRows(std::max(records + 1, 2));
        // Room for the solutions asked for, within reason: a count of a million would otherwise
        // make a million empty columns before the first is filled.
        m_grid.SetCols(std::max(std::min(requested, kMaxEmptyColumns) + 1, 2));
        m_filled = 0;
    }
    // Sized from every column: a later column may hold more values than the first.
    const int neededCols = std::max(solutions + 1, 2);
    const int neededRows = std::max(records + 1, 2);
    if (m_grid.Cols() < neededCols || m_grid.Rows() < neededRows) {
        m_grid.SetCols(neededCols);
        m_grid.SetRows(neededRows);
    }
    if (records > 0) {
        FillGrid(newSet ? 0 : m_filled, store);
        m_grid.SetCell(0, 0);
    }
    m_filled = solutions;
    m_current = 0;
}

void TavViewModel::FillGrid(int from, const CSolutionArray& store) {
    m_grid.BeginUpdate();
    if (from < 2)
        for (int i = 0; i < store.GetSize(); ++i)
            m_grid.SetTextMatrix(i + 1, 0, store[i]->GetID());
    // The last column written may have grown since (columns fill one after another).
    const int start = std::max(from - 1, 0);
    const int solutions = SolutionCount(store);
    for (int s = start + 1; s <= solutions; ++s)
        m_grid.SetTextMatrix(0, s, "Solution " + std::to_string(s));
    for (int k = 0; k < store.GetSize(); ++k) {
        const auto& values = store[k]->GetValues();
        for (int s = start + 1; s <= static_cast<int>(values.size()); ++s)
            m_grid.SetTextMatrix(k + 1, s, values[static_cast<std::size_t>(s - 1)]);
    }
    m_grid.EndUpdate();
}

bool TavViewModel::GoFirstSolution() {
    m_current = 0;
    return true;
}

bool TavViewModel::GoLastSolution(const CSolutionArray& store) {
    if (store.IsEmpty()) return true;
    m_current = std::max(SolutionCount(store) - 1, 0);
    return true;
}

bool TavViewModel::GoNextSolution(const CSolutionArray& store) {
    if (!store.IsEmpty() && m_current + 1 >= SolutionCount(store)) return false;
    ++m_current;
    return true;
}

bool TavViewModel::GoPreviousSolution() {
    if (m_current - 1 >= 0) {
        --m_current;
        return true;
    }
    m_current = 0;
    return false;
}

std::vector<TavViewModel::ListLine> TavViewModel::ListLines(const CSolutionArray& store) const {
    std::vector<ListLine> lines;
    if (m_current < 0 || store.IsEmpty()) return lines;
    lines.push_back({"Variable", "Value", "Solution :" + std::to_string(m_current + 1)});
    for (const auto& column : store)
        if (column->GetCount() > m_current)
            lines.push_back({column->GetID(), column->GetValues()[static_cast<std::size_t>(m_current)], ""});
    return lines;
}

std::pair<int, int> TavViewModel::PrepareTotalRow(int records) {
    const int r = m_grid.Rows();
    if (r <= records + 1) {
        m_grid.SetRows(r + 1);
        m_grid.SetTextMatrix(r, 0, "Total");
    }
    return {1, m_grid.Rows() - 2};
}

void TavViewModel::SumRows(int from, int to, int target, const CSolutionArray& store) {
    if (store.IsEmpty()) return;
    const int solutions = SolutionCount(store);
    m_grid.BeginUpdate();
    for (int c = 1; c <= solutions; ++c) {
        long long sum = 0;
        for (int row = from; row <= to; ++row)
            sum = SaturatingAdd(sum, LeadingNumber(m_grid.TextMatrix(row, c)));
        m_grid.SetTextMatrix(target, c, std::to_string(sum));
    }
    m_grid.EndUpdate();
    m_grid.SetCell(0, 0);
}

std::string TavViewModel::CopyText() const {
    int top = std::min(m_grid.Row(), m_grid.RowSel());
    int bottom = std::max(m_grid.Row(), m_grid.RowSel());
    int left = std::min(m_grid.Col(), m_grid.ColSel());
    int right = std::max(m_grid.Col(), m_grid.ColSel());
    if (top == bottom && left == right) {
        top = 1;
        bottom = m_grid.Rows() - 1;
        left = 1;
        right = m_grid.Cols() - 1;
    }
    // Headings are not part of a block of cells.
    top = std::max(top, 1);
    left = std::max(left, 1);
    std::string text;
    for (int c = left; c <= right; ++c)
        text += "\t" + m_grid.TextMatrix(0, c);
    text += "\r\n";
    for (int r = top; r <= bottom; ++r) {
        text += m_grid.TextMatrix(r, 0);
        for (int c = left; c <= right; ++c)
            text += "\t" + m_grid.TextMatrix(r, c);
        text += "\r\n";
    }
    return text;
}

} // namespace TavWorkbench
