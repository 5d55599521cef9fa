#pragma once
// Each value occurs among the arguments at most as often as its count in the value-count table
// (values absent from the table not at all); with as many arguments as table entries the
// arguments form a permutation of the multiset.

#include "complete/GeneralConstraint.hpp"
#include "complete/Value.hpp"

#include <map>

namespace GFCLib {

class Sequence : public GeneralConstraint {
public:
    Sequence() = default;
    // Adds one occurrence of value to the table.
    void CountValue(const Value& value) { ++m_valueCounts[value]; }
    const char* GetName() const override { return "Sequence"; }
    bool IsSatisfied() const override;
    void Attach() override;
    // Removes the values outside the table from every variable, then filters as usual.
    bool Preprocess() override;
    // Forward checks while any argument is unbound.
    bool ForwardChecksUntilBound() const override { return true; }
    bool ForwardCheck() override;

    std::map<Value, int> m_valueCounts; // allowed occurrences per value
};

} // namespace GFCLib
