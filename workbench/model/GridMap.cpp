#include "workbench/model/GridMap.hpp"

#include <algorithm>

namespace TavWorkbench {

namespace {

// Row a holds the distances from city a to the cities a+1 .. 10.
constexpr int kDefaultDistances[9][9] = {
    {105, 115, 71, 378, 397, 206, 189, 202, 218},
    {81, 176, 292, 292, 152, 113, 93, 203},
    {186, 373, 373, 233, 194, 161, 122},
    {449, 468, 277, 260, 273, 289},
    {44, 216, 202, 216, 496},
    {254, 215, 216, 495},
    {55, 130, 355},
    {75, 316},
    {283},
};

} // namespace

void GridMap::SetDistance(unsigned a, unsigned b, int value) {
    m_distances[{std::max(a, b), std::min(a, b)}] = value;
}

bool GridMap::LookupDistance(unsigned a, unsigned b, int& value) const {
    const auto found = m_distances.find({std::max(a, b), std::min(a, b)});
    if (found == m_distances.end()) return false;
    value = found->second;
    return true;
}

void GridMap::LoadDefaultDistances() {
    m_distances.clear();
    for (unsigned a = 1; a <= 9; ++a)
        for (unsigned b = a + 1; b <= 10; ++b)
            SetDistance(a, b, kDefaultDistances[a - 1][b - a - 1]);
}

void GridMap::SetDemand(unsigned shift, unsigned day, int value) {
    m_demands[{shift, day}] = value;
}

bool GridMap::LookupDemand(unsigned shift, unsigned day, int& value) const {
    const auto found = m_demands.find({shift, day});
    if (found == m_demands.end()) return false;
    value = found->second;
    return true;
}

} // namespace TavWorkbench
