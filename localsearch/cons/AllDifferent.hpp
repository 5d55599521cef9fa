#pragma once
// All arguments take pairwise different values: violation 1000 x (n - distinct values), kept
// from a count per value so that a change of one argument costs one or two count updates; the
// maximum violation while an argument is undefined.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/NaryIntCon.hpp"
#include "localsearch/ValueCounter.hpp"
#include "localsearch/expr/ArgumentCache.hpp"

#include <cstdint>
#include <vector>

namespace GLSLib {

class AllDifferent : public NaryIntCon {
public:
    explicit AllDifferent(const std::vector<IntObj*>& args);
    std::string GetName() const override { return "AllDifferent"; }
    void Initialise() override;
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    // "Repeated values in AllDifferent:\n{", the values held more than once ascending,
    // separated by ",", "}".
    std::ostream& PrintViolation(std::ostream& os) const override;
    bool IsViolated() const override { return GetViolation() > 0.0; }
    double GetViolation() const override;
    // 1000 x (n - 1); 0 without arguments.
    double GetMaxViolation() const override {
        return m_args.empty() ? 0.0 : SaturateViolation(1000.0 * static_cast<double>(m_args.size() - 1));
    }

private:
    void Rebuild();
    void Remove(int value);
    void Add(int value);

    ArgumentCache m_cache;
    ValueCounter m_counts;
    // Number of defined arguments whose value an earlier one already holds.
    std::int64_t m_duplicates = 0;
};

} // namespace GLSLib
