#include "language/tree/GenObj.hpp"

#include "language/ParseContext.hpp"
#include "language/ParserErr.hpp"
#include "language/tree/ConstraintSink.hpp"
#include "language/tree/GenRaw.hpp"

#include <ostream>

namespace TavLanguage {

ParserErr::ParserErr(const GenObj& node, int code) : Platform::Error(code, ""), m_line(node.GetLine()) {
    Refresh();
}

ParserErr::ParserErr(const GenObj& node, int code, int op, const std::string& text1, const std::string& text2)
    : Platform::Error(code, ""), m_operator(op), m_text1(text1), m_text2(text2), m_line(node.GetLine()) {
    Refresh();
}

ParserErr::ParserErr(const GenObj& node, int code, const std::string& text1)
    : Platform::Error(code, ""), m_text1(text1), m_line(node.GetLine()) {
    Refresh();
}

void GenDeleter::operator()(GenObj* node) const {
    std::vector<GenObj*> pending{node};
    while (!pending.empty()) {
        GenObj* next = pending.back();
        pending.pop_back();
        if (next == nullptr) continue;
        next->ReleaseChildren(pending);
        delete next;
    }
}

GenObj::~GenObj() = default;

void GenObj::Print(std::ostream& out) const {
    out << GetName();
}

bool GenObj::CheckStatement(ParseContext& ctx) {
    if (!CheckNode(*this, ctx)) return false;
    const GenType& t = GetThisType();
    if (t.IsSoftConstraint()) return true;
    const int k = t.GetKind();
    if (k == GenKind::Constraint) return true;
    if (k == GenKind::BoolVar || k == GenKind::BoolVal || k == GenKind::IntVal) {
        // A linear program holds comparisons only.
        if (ctx.IsRealProblem()) throw ParserErr(*this, 31, GetToken(), "", "");
        return true;
    }
    throw ParserErr(*this, 21, GetToken(), "", "");
}

void GenObj::Emit(ParseContext& ctx, ConstraintSink& sink) {
    ConstraintSink* previous = ctx.SetSideSink(&sink);
    RPtr<RawExpr> e;
    try {
        e = GenNode(*this, ctx);
    } catch (...) {
        ctx.SetSideSink(previous);
        throw;
    }
    ctx.SetSideSink(previous);
    sink.Add(GenRaw::ToConstraint(e, *this), *this);
}

bool GenObj::CheckRest(ParseContext&) {
    return true;
}

RPtr<RawExpr> GenObj::GenRest(ParseContext&, RPtr<RawExpr> operand) {
    return operand;
}

NestingGuard::NestingGuard(ParseContext& ctx, const GenObj& node) : m_nesting(ctx.Nesting()) {
    if (++m_nesting > ParseContext::kMaxNesting) {
        --m_nesting;
        throw ParserErr(node, 2);
    }
}

bool CheckNode(GenObj& node, ParseContext& ctx) {
    NestingGuard guard(ctx, node);
    std::vector<GenObj*> spine;
    GenObj* bottom = &node;
    while (!bottom->ChecksAsWhole(ctx)) {
        GenObj* operand = bottom->SpineOperand();
        if (operand == nullptr) break;
        spine.push_back(bottom);
        bottom = operand;
    }
    if (!bottom->Check(ctx)) return false;
    for (std::size_t i = spine.size(); i-- > 0;) {
        if (!spine[i]->CheckRest(ctx)) return false;
    }
    return true;
}

namespace {
// Truth values that stand as operands become the integers 0 and 1: solvers read no boolean
// constants inside expressions. Statements and logic treat integer constants as truth values.
RPtr<RawExpr> AsOperand(RPtr<RawExpr> value) {
    if (value && value->GetType() == RawType::BoolVal) return GenRaw::Int(value->GetInt());
    return value;
}
} // namespace

RPtr<RawExpr> GenNode(GenObj& node, ParseContext& ctx) {
    NestingGuard guard(ctx, node);
    if (node.SpineOperand() == nullptr) return AsOperand(node.Gen(ctx));
    std::vector<GenObj*> spine;
    GenObj* bottom = &node;
    while (GenObj* operand = bottom->SpineOperand()) {
        spine.push_back(bottom);
        bottom = operand;
    }
    RPtr<RawExpr> value = AsOperand(bottom->Gen(ctx));
    for (std::size_t i = spine.size(); i-- > 0;)
        value = AsOperand(spine[i]->GenRest(ctx, std::move(value)));
    return value;
}

std::ostream& operator<<(std::ostream& out, const GenObj& node) {
    node.Print(out);
    return out;
}

} // namespace TavLanguage
