#pragma once
// A learnt constraint that forbids one assignment of its arguments: violated (1000) exactly
// when every argument holds its forbidden value. Kept incrementally from the number of
// arguments whose value differs from the forbidden one; an undefined argument differs.

#include "localsearch/NaryIntCon.hpp"

#include <vector>

namespace GLSLib {

class IntVar;

class NoGood : public NaryIntCon {
public:
    // Forbids args[i] == forbidden[i] for every i together. Throws ModelError when the two
    // lists differ in length.
    NoGood(const std::vector<IntObj*>& args, const std::vector<int>& forbidden);
    // A no-good over the variables forbidding their current values (values, not indexes).
    static NoGood* ForbidCurrent(const std::vector<IntVar*>& vars);

    std::string GetName() const override { return "NoGood"; }
    // Initialises the arguments, then counts the mismatches afresh.
    void Initialise() override;
    void Update(int position, int value) override;
    void UpdateUndefined(int position) override;
    double GetViolation() const override { return m_mismatches > 0 ? 0.0 : 1000.0; }
    double GetMaxViolation() const override { return 2000.0; }
    // A NoGoodFeature on this constraint.
    Feature* CreateFeature() override;

    int GetMismatches() const { return m_mismatches; }
    const std::vector<int>& GetForbiddenValues() const { return m_forbidden; }

private:
    void SetArgument(int position, bool defined, int value);

    std::vector<int> m_forbidden;
    std::vector<int> m_current;
    // 1 where the argument holds its forbidden value.
    std::vector<char> m_matches;
    // Arguments not matching; all of them until the first Initialise.
    int m_mismatches;
};

} // namespace GLSLib
