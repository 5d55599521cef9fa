#pragma once
// Growth of the tables indexed by constraint id, which gain an entry for each constraint
// learnt during a search. The standard growth doubles a full vector's capacity: on a problem
// of hundreds of thousands of constraints, every such table would keep as much memory again
// idle from the first learnt constraint on. These grow by an eighth.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace GLSLib {

// Makes room in table for at least n entries.
template <class T> void ReserveIdTable(std::vector<T>& table, std::size_t n) {
    if (table.capacity() < n) table.reserve(std::max(n, table.capacity() + table.capacity() / 8));
}

// Makes table at least n entries long; the new entries are copies of fill.
template <class T, class Fill> void GrowIdTable(std::vector<T>& table, std::size_t n, const Fill& fill) {
    if (table.size() >= n) return;
    ReserveIdTable(table, n);
    table.resize(n, fill);
}

template <class T> void GrowIdTable(std::vector<T>& table, std::size_t n) {
    GrowIdTable(table, n, T{});
}

} // namespace GLSLib
