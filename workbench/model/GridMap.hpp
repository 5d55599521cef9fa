#pragma once
// The document's table of pair values: the distances between cities, keyed without order (the
// distance from a to b is the distance from b to a), and the staff demand per shift and day,
// keyed in order (shift 2 on day 1 and shift 1 on day 2 are different cells).

#include <map>
#include <utility>

namespace TavWorkbench {

class GridMap {
public:
    // Stores the distance of the unordered pair (a, b).
    void SetDistance(unsigned a, unsigned b, int value);
    // True and the distance of the pair when one is stored; false (value untouched) otherwise.
    bool LookupDistance(unsigned a, unsigned b, int& value) const;
    // Empties the distances and stores the built-in table of the 45 pairs of cities 1 to 10.
    void LoadDefaultDistances();
    int DistanceCount() const { return static_cast<int>(m_distances.size()); }

    // Stores the demand of `shift` on `day`.
    void SetDemand(unsigned shift, unsigned day, int value);
    // True and the demand when one is stored; false (value untouched) otherwise.
    bool LookupDemand(unsigned shift, unsigned day, int& value) const;
    void ClearDemands() { m_demands.clear(); }

private:
    using Key = std::pair<unsigned, unsigned>;
    // Distances under (larger, smaller).
    std::map<Key, int> m_distances;
    // Demands under (shift, day).
    std::map<Key, int> m_demands;
};

} // namespace TavWorkbench
