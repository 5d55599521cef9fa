#pragma once
// How local search states an all-different constraint, shared by the local-search bridge and
// the description writer so that both models of a problem agree. Pairs of disequalities give
// guided local search one feature per pair to penalise, which it needs on small lists; past a
// few dozen elements the n(n-1)/2 pairs cost more than they guide, and one constraint counting
// the values takes their place.

namespace TavBridges {

// Longest list posted as its pairs of disequalities.
inline constexpr int kAllDifferentPairsUpTo = 32;

// True when an all-different over `size` elements is posted as its pairs.
constexpr bool AllDifferentAsPairs(int size) { return size <= kAllDifferentPairsUpTo; }

} // namespace TavBridges
