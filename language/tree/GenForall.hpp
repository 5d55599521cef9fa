#pragma once
// forall(ranges, conditions) { body }: the body once for every combination of index values
// that passes all conditions, each index holding its value as a constant. As a statement every
// instance's constraints are posted; as one constraint it is their conjunction.

#include "language/tree/GenBody.hpp"
#include "language/tree/GenRangeDecls.hpp"

namespace TavLanguage {

class GenForall : public GenObj {
public:
    GenForall(int line, GenRangeDecls ranges, GenPtr body)
        : GenObj(line), m_ranges(std::move(ranges)), m_body(std::move(body)) {}
    // Code 58 when there is no range.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    [[nodiscard]] bool CheckStatement(ParseContext& ctx) override { return Check(ctx); }
    void Emit(ParseContext& ctx, ConstraintSink& sink) override;
    std::string GetName() const override { return "Forall"; }
    int GetToken() const override;
    void Print(std::ostream& out) const override;
    void ReleaseChildren(std::vector<GenObj*>& out) override {
        m_ranges.Release(out);
        Release(m_body, out);
    }

private:
    GenRangeDecls m_ranges;
    GenPtr m_body; // a GenBody
};

} // namespace TavLanguage
