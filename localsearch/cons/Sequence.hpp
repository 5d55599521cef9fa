#pragma once
// The arguments may take each value at most as often as it occurs in the list (values absent
// from the list not at all): with as many arguments as entries, a permutation of the list.
// Violation 1000 x excess, where excess = sum over values of max(0, current - allowed);
// the maximum violation while an argument is undefined.

#include "localsearch/Arithmetic.hpp"
#include "localsearch/NaryIntCon.hpp"
#include "localsearch/ValueCounter.hpp"
#include "localsearch/expr/ArgumentCache.hpp"

#include <cstdint>
#include <vector>

namespace GLSLib {

class Sequence : public NaryIntCon {
public:
    Sequence(const std::vector<IntObj*>& args, const std::vector<int>& values);
    std::string GetName() const override { return "Sequence"; }
    bool IsSequence() const override { return true; }
    void Initialise() override;
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    double GetViolation() const override;
    double GetMaxViolation() const override {
        return SaturateViolation(1000.0 * static_cast<double>(m_args.size()));
    }
    bool IsViolated() const override { return m_excess != 0 || m_cache.AnyUndefined(); }
    int GetExcess() const { return m_excess; }
    const std::vector<int>& GetValues() const { return m_list; }

private:
    void Rebuild();
    void Remove(int value);
    void Add(int value);

    int m_excess = 0;
    ValueCounter m_allowed;
    ValueCounter m_current;
    ArgumentCache m_cache;
    std::vector<int> m_list;
};

} // namespace GLSLib
