#pragma once
// Base of the induced integer variables: an IntVar over a domain of its own (the values its
// expression can take, computed from the operands' domains when it is built) whose definition
// it owns. Integer arithmetic is exact: results outside the 32-bit range are not values.

#include "complete/BitVector.hpp"
#include "complete/IntVar.hpp"
#include "complete/induced/InducedVar.hpp"

#include <functional>

namespace GFCLib {

class InducedIntVar : public IntVar, public InducedVar {
public:
    bool IsInduced() const override { return true; }
    // The expression form, e.g. "(x+y)": how equal sub-expressions are found and shared.
    void PrintName(std::ostream& os) const override { PrintExpr(os); }
    virtual void PrintExpr(std::ostream& os) const = 0;

    // Largest number of values an induced domain may have when its forward checking marks
    // results one by one.
    static constexpr long long kMaxDomainSize = 1LL << 24;
    // Most values propagation tries one by one in one run; wider domains narrow by bounds.
    static constexpr long long kValueFilterLimit = 1LL << 16;
    // Largest universe whose positions propagation marks in a scratch bit vector per run.
    static constexpr long long kMarkableUniverse = 1LL << 20;

protected:
    // Makes the domain the given values (any order, repeats allowed).
    void SetComputedDomain(std::vector<int> values);
    // Makes the domain lo .. hi clipped to the int range, held by its bounds; a range of more
    // than kMaxDomainSize values filters its bounds only. Throws Platform::ResourceError when
    // it has more values than a domain can hold.
    void SetComputedRange(long long lo, long long hi);
    // An integer operand: a bound IntVar or an int value. Throws Platform::InternalError for
    // anything else.
    static IntVar* CheckIntOperand(CPObject* operand);
    // Calls f(v) for every value the operand can take.
    static void ForEachInt(const CPObject* operand, const std::function<void(long long)>& f);
    // Number of values the operand can take.
    static long long CountOf(const CPObject* operand);
    static long long MinOf(const CPObject* operand);
    static long long MaxOf(const CPObject* operand);
    static long long ValueOf(const CPObject* operand) { return operand->GetValue().GetInt(); }
    static bool InIntRange(long long v) { return v >= kMinInt && v <= kMaxInt; }
    // A cleared bit per position of this domain's universe (kept between calls).
    BitVector& Scratch();
    static void PrintList(std::ostream& os, const std::vector<CPObject*>& list);

    BitVector m_scratch;
};

} // namespace GFCLib
