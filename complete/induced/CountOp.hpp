#pragma once
// The induced variable "how many of x_1..x_n take one of the counted values". Propagation keeps
// the count between the sure and the possible occurrences and, when the count is reached (or
// must be reached), removes (or forces) the counted values in the unbound operands. What it
// last knew of each operand (never, maybe or surely counted) is kept on the trail with the
// totals, so that a change of an operand updates them at once and wakes the count only when
// they call for narrowing.

#include "complete/FiniteDomainSpec.hpp"
#include "complete/induced/InducedIntVar.hpp"

#include <cstdint>

namespace GFCLib {

class CountOp : public InducedIntVar {
public:
    template <typename T> CountOp(const std::vector<T*>& list, const std::vector<Value>& values) {
        InitCount(std::vector<CPObject*>(list.begin(), list.end()), values);
    }
    void PrintExpr(std::ostream& os) const override;
    bool Holds() const override;
    bool Propagate() override;
    // Any removal may take a counted value from an operand; the count itself acts on its bounds.
    DomainEvent WakeOn(const Variable* v) const override {
        return v == this ? DomainEvent::Bounds : DomainEvent::Values;
    }
    bool FiltersWakes() const override { return true; }
    // An operand's change updates what the count knows of it, and wakes the count only when the
    // totals then call for narrowing.
    bool IsWokenBy(int i, DomainEvent event) override;
    bool HearsLabelling() const override { return true; }
    void OnLabelled(const Variable* v, bool labelled) override;

private:
    enum class Share { Never, Maybe, Surely };
    // An operand that is a variable, as the count reads it (kept together: every change of the
    // variable reads it).
    struct Operand {
        Variable* var;
        FiniteDomain* domain; // null without a finite domain
        const int* positions; // the counted values' positions in its universe (into m_positions)
        int positionCount;
        int share;           // a Share, or -1 before the first run; saved on the trail
        std::uint64_t stamp; // for the trail
    };
    void InitCount(const std::vector<CPObject*>& list, const std::vector<Value>& values);
    bool Counted(const Value& v) const;
    Share ShareOf(const Operand& o) const;
    Share ShareOfAny(const Operand& o) const; // ShareOf beyond one counted value in a finite domain
    // Learns operand o's share again, with the totals; true when it changed.
    bool Update(Operand& o);
    // Sets an integer of this count, saving it on the trail.
    void Set(int& value, std::uint64_t& stamp, int to);

    std::vector<CPObject*> m_operands;
    std::vector<Value> m_values; // distinct
    // The positions of the counted values in each distinct universe of the operands: a count
    // over many variables looks positions up instead of values.
    std::vector<const FiniteDomainSpec*> m_specs;
    std::vector<std::vector<int>> m_positions;
    std::vector<Operand> m_entries; // the variable operands, as the definition lists them
    int m_constants = 0;            // constant operands that are counted
    // The operands known surely counted and maybe counted, saved on the trail.
    int m_sure = 0;
    int m_maybe = 0;
    std::uint64_t m_sureStamp = 0;
    std::uint64_t m_maybeStamp = 0;
    bool m_known = false; // every operand's share has been learnt once
    // The operand being labelled, whose domain says nothing, and the first and last of its
    // entries (null and -1 while none is).
    const Variable* m_labelled = nullptr;
    int m_labelledFirst = -1;
    int m_labelledLast = -1;
};

} // namespace GFCLib
