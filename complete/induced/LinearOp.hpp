#pragma once
// The induced variable b + c_1 x_1 + ... + c_n x_n over integer terms: what sums, differences,
// products with a constant, unary minus, Sum and ScalProd become, so that an equation over many
// variables is one variable with one definition. Constant terms fold into b, a variable given
// twice becomes one term, and terms with coefficient 0 are dropped.
// Forward checking narrows the bounds of the result and of every unbound term from the others'
// bounds until nothing changes (bounds consistency of a linear equation); once a single term is
// unbound it filters that term and the result value by value, as the two-operand expressions do.
// A sum beyond the int range is no value by default; a saturating one holds every sum outside
// its saturation range (the int range, or a narrower one when the sums span more values than a
// domain can hold) at the nearest end, so that its upper end stands for every sum at or above
// it: exact wherever the variable is only compared with a constant strictly inside that range.

#include "complete/induced/InducedIntVar.hpp"

namespace GFCLib {

class LinearOp : public InducedIntVar {
public:
    // The terms list[i] * coefficients[i] plus constant (numbers taken as ints); throws
    // Platform::InternalError when the sizes differ or a term is not an integer.
    template <typename T>
    void Init(const std::vector<T*>& list, const std::vector<Value>& coefficients, long long constant = 0) {
        std::vector<long long> c;
        c.reserve(coefficients.size());
        for (const Value& v : coefficients)
            c.push_back(v.GetInt());
        InitTerms(std::vector<CPObject*>(list.begin(), list.end()), c, constant);
    }
    void InitTerms(const std::vector<CPObject*>& operands, const std::vector<long long>& coefficients,
                   long long constant);
    // Sums beyond the int range are held at its nearest end (call before Init or InitTerms).
    void SetSaturating(bool saturating) { SetSaturating(saturating, kMinInt, kMaxInt); }
    // Sums outside lo .. hi (within the int range) are held at its nearest end.
    void SetSaturating(bool saturating, long long lo, long long hi) {
        m_saturating = saturating;
        m_saturationLow = lo;
        m_saturationHigh = hi;
    }
    long long SaturationLow() const { return m_saturationLow; }
    long long SaturationHigh() const { return m_saturationHigh; }
    // True when the sum can leave the int range (the saturation range when saturating) over
    // the terms' domains as they were at Init.
    bool LeavesIntRange() const { return m_leavesIntRange; }

    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;
    // Bounds wake a sum of many terms; a difference of two also reads their holes.
    DomainEvent WakeOn(const Variable* v) const override {
        return v == this || m_terms.size() <= 2 ? DomainEvent::Values : DomainEvent::Bounds;
    }

    const std::vector<IntVar*>& GetTerms() const { return m_terms; }
    const std::vector<long long>& GetCoefficients() const { return m_coefficients; }
    long long GetConstant() const { return m_constant; }
    // The variable x when this is c * x + b with c = 1 or -1 (its values are x's, shifted and
    // perhaps mirrored), with c; null otherwise.
    IntVar* ViewOf(long long& coefficient) const;

protected:
    virtual const char* FunctionName() const { return "Linear"; }

private:
    template <typename Wide> bool PropagateBounds(bool& exactNeeded);
    // Sums of narrow forms stay within 64 bits (Wide = long long); wide ones use 128.
    template <typename Wide> bool FilterLastTerm();
    // The value a sum gives: itself, or held at the int range's nearest end when saturating
    // (a sum beyond it is then no value: the caller finds no position for it).
    template <typename W> long long ValueOfSum(W sum) const;

    std::vector<IntVar*> m_terms;          // distinct variables
    std::vector<long long> m_coefficients; // none 0
    long long m_constant = 0;
    bool m_wide = false; // sums of terms may leave the 64-bit range: compute in 128 bits
    bool m_saturating = false;
    long long m_saturationLow = kMinInt;
    long long m_saturationHigh = kMaxInt;
    bool m_leavesIntRange = false;
};

} // namespace GFCLib
