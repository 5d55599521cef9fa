#pragma once
// The parsed range list of a forall or intensional list: index ranges and conditions on the
// indices, in the order written. Walks every combination of index values (the first range
// outermost, the last changing fastest) and calls the leaf for each combination that passes
// all conditions. Index names are bound in the symbol table while the walk runs.

#include "language/tree/GenRangeBase.hpp"

#include <functional>
#include <string>
#include <vector>

namespace TavLanguage {

class GenRangeDecls {
public:
    GenRangeDecls() = default;
    // Splits a parsed list into ranges (GenRangeBase nodes) and conditions.
    explicit GenRangeDecls(GenList items);

    std::size_t GetRangeCount() const { return m_ranges.size(); }
    const GenList& GetRanges() const { return m_ranges; }
    const GenList& GetConditions() const { return m_conditions; }

    // Checks the ranges in order, binding each index (by type) as soon as its range is checked,
    // then the conditions (code 17 unless they are truth values). An index named like a data
    // constant in sight is refused (code 3, at the index's line). The caller removes the
    // bindings with Unbind.
    [[nodiscard]] bool CheckAndBind(ParseContext& ctx);
    // Runs `leaf` once per passing combination of index values. Every combination counts
    // towards the parse's expansion bounds (ParseContext::CountWalked, CountGenerated),
    // reported at `owner`'s line.
    void Walk(ParseContext& ctx, const GenObj& owner, const std::function<void()>& leaf);
    // Removes the index names bound by CheckAndBind or Walk.
    void Unbind(ParseContext& ctx);

    void Release(std::vector<GenObj*>& out);
    void Print(std::ostream& out) const;

private:
    void WalkFrom(ParseContext& ctx, const GenObj& owner, std::size_t depth,
                  const std::function<void()>& leaf);
    [[nodiscard]] bool ConditionsHold(ParseContext& ctx);

    GenList m_ranges;
    GenList m_conditions;
    std::vector<std::string> m_bound;
};

} // namespace TavLanguage
