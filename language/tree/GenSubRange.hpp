#pragma once
// sublists x of L, subsets x of L, subseqs x of L: x takes, in turn, every non-empty contiguous
// sublist of L (by start, then length), every non-empty subset of L's elements (a set value), or
// every non-empty subsequence of L (order kept). Subsets and subsequences are enumerated in
// binary counting order over L's positions; L may have at most 20 elements for them (code 62).
// Every element of every sublist counts as one combination walked towards the parse's bound
// (code 67), counted before the sublists are made.

#include "language/tree/GenListedRange.hpp"

namespace TavLanguage {

class GenSubRange : public GenListedRange {
public:
    enum class Mode { Sublists, Subsets, Subseqs };
    GenSubRange(int line, Mode mode, std::string name, GenPtr list)
        : GenListedRange(line, std::move(name), std::move(list)), m_mode(mode) {}
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    void Reset(ParseContext& ctx) override;
    void Print(std::ostream& out) const override;

    static constexpr int kMaxElements = 20;

private:
    Mode m_mode;
};

} // namespace TavLanguage
