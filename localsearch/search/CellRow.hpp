#pragma once
// The nonzero (value index, weighted cost) cells that one constraint holds in the value-table
// row of one of its variables. Most rows hold one cell or none (a disequality is violated at
// one value of each variable at most), so the first cell lives inside the row and only longer
// rows take a block of their own: a problem of hundreds of thousands of small constraints then
// takes no allocation per row. Invariant: the cells are m_size entries from begin(); they are
// inline while m_capacity is 1.

#include <algorithm>
#include <cstdint>

namespace GLSLib {

class CellRow {
public:
    struct Cell {
        int first;  // value index
        int second; // weighted cost
    };

    CellRow() : m_one{0, 0} {}
    ~CellRow() { Release(); }
    CellRow(CellRow&& other) noexcept : m_one{0, 0} { TakeFrom(other); }
    CellRow& operator=(CellRow&& other) noexcept {
        if (this != &other) {
            Release();
            TakeFrom(other);
        }
        return *this;
    }
    CellRow(const CellRow&) = delete;
    CellRow& operator=(const CellRow&) = delete;

    Cell* begin() { return m_capacity > 1 ? m_many : &m_one; }
    Cell* end() { return begin() + m_size; }
    const Cell* begin() const { return m_capacity > 1 ? m_many : &m_one; }
    const Cell* end() const { return begin() + m_size; }
    bool empty() const { return m_size == 0; }
    std::uint32_t size() const { return m_size; }
    // Empties the row; its block, if any, stays for the next cells.
    void clear() { m_size = 0; }
    void push_back(Cell cell) {
        if (m_size == m_capacity) Grow();
        begin()[m_size++] = cell;
    }

private:
    void Grow() {
        const std::uint32_t capacity = m_capacity * 2;
        Cell* cells = new Cell[capacity];
        std::copy(begin(), end(), cells);
        Release();
        m_many = cells;
        m_capacity = capacity;
    }
    void Release() {
        if (m_capacity > 1) delete[] m_many;
        m_capacity = 1;
    }
    void TakeFrom(CellRow& other) {
        m_size = other.m_size;
        m_capacity = other.m_capacity;
        if (m_capacity > 1)
            m_many = other.m_many;
        else
            m_one = other.m_one;
        other.m_size = 0;
        other.m_capacity = 1;
    }

    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 1;
    union {
        Cell m_one;
        Cell* m_many;
    };
};

} // namespace GLSLib
