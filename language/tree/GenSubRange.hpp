#pragma once
// sublists x of L, subsets x of L, subseqs x of L: x takes, in turn, every non-empty contiguous
// sublist of L (by start, then length), every non-empty subset of L's elements (a set value), or
// every non-empty subsequence of L (order kept). Subsets and subsequences are enumerated in
// binary counting order over L's positions; L may have at most 20 elements for them (code 62).

#include "language/tree/GenRangeBase.hpp"

#include <vector>

class GenSubRange : public GenRangeBase {
public:
    enum class Mode { Sublists, Subsets, Subseqs };
    GenSubRange(int line, Mode mode, std::string name, GenPtr list)
        : GenRangeBase(line, std::move(name)), m_mode(mode), m_list(std::move(list)) {}
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    void Reset(ParseContext& ctx) override;
    bool AtEnd() const override { return m_position >= m_values.size(); }
    void Advance() override { ++m_position; }
    RPtr<RawExpr> Current() const override { return m_values[m_position]; }
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override { Release(m_list, out); }

    static constexpr int kMaxElements = 20;

private:
    Mode m_mode;
    GenPtr m_list;
    std::vector<RPtr<RawExpr>> m_values;
    std::size_t m_position = 0;
};
