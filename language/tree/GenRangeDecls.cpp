#include "language/tree/GenRangeDecls.hpp"

#include "language/ParseContext.hpp"
#include "language/tree/GenRaw.hpp"

#include <ostream>

namespace TavLanguage {

GenRangeDecls::GenRangeDecls(GenList items) {
    for (auto& item : items) {
        if (dynamic_cast<GenRangeBase*>(item.get()) != nullptr)
            m_ranges.push_back(std::move(item));
        else
            m_conditions.push_back(std::move(item));
    }
}

bool GenRangeDecls::CheckAndBind(ParseContext& ctx) {
    for (auto& range : m_ranges) {
        // Names ignore case, so an index "n" beside a constant "N" would silently take the
        // constant's place in the body (and in ranges that use it): refused at the index.
        const GenSymbol* outer = ctx.Symbols().Find(range->GetName());
        if (outer != nullptr && outer->kind == GenSymbol::Kind::Data)
            throw ParserErr(*range, 3, range->GetName());
        if (!CheckNode(*range, ctx)) return false;
        GenSymbol symbol;
        symbol.kind = GenSymbol::Kind::Index;
        symbol.type = range->GetThisType();
        ctx.Symbols().Add(range->GetName(), std::move(symbol));
        m_bound.push_back(range->GetName());
    }
    for (auto& condition : m_conditions) {
        if (!CheckNode(*condition, ctx)) return false;
        if (!condition->GetThisType().IsIntValue()) throw ParserErr(*condition, 17);
    }
    return true;
}

void GenRangeDecls::Unbind(ParseContext& ctx) {
    for (std::size_t i = m_bound.size(); i-- > 0;)
        ctx.Symbols().Remove(m_bound[i]);
    m_bound.clear();
}

bool GenRangeDecls::ConditionsHold(ParseContext& ctx) {
    for (auto& condition : m_conditions) {
        RPtr<RawExpr> value = GenNode(*condition, ctx);
        if (!GenRaw::IsIntConst(value)) throw ParserErr(*condition, 17);
        if (value->GetInt() == 0) return false;
    }
    return true;
}

void GenRangeDecls::WalkFrom(ParseContext& ctx, const GenObj& owner, std::size_t depth,
                             const std::function<void()>& leaf) {
    if (depth == m_ranges.size()) {
        ctx.CountWalked(owner);
        if (!ConditionsHold(ctx)) return;
        ctx.CountGenerated(owner);
        leaf();
        return;
    }
    auto& range = static_cast<GenRangeBase&>(*m_ranges[depth]);
    // Binding as we go: a range's bounds may use the indices of the ranges before it. They are
    // taken before its own index is bound, as checking took them, so a bound that names an
    // outer index of the same name means that one.
    range.Reset(ctx);
    GenSymbol symbol;
    symbol.kind = GenSymbol::Kind::Index;
    symbol.type = range.GetThisType();
    GenSymbol& bound = ctx.Symbols().Add(range.GetName(), std::move(symbol));
    m_bound.push_back(range.GetName());
    while (!range.AtEnd()) {
        bound.value = range.Current();
        WalkFrom(ctx, owner, depth + 1, leaf);
        range.Advance();
    }
    ctx.Symbols().Remove(range.GetName());
    m_bound.pop_back();
}

void GenRangeDecls::Walk(ParseContext& ctx, const GenObj& owner, const std::function<void()>& leaf) {
    const std::size_t before = m_bound.size();
    try {
        WalkFrom(ctx, owner, 0, leaf);
    } catch (...) {
        while (m_bound.size() > before) {
            ctx.Symbols().Remove(m_bound.back());
            m_bound.pop_back();
        }
        throw;
    }
}

void GenRangeDecls::Release(std::vector<GenObj*>& out) {
    for (auto* list : {&m_ranges, &m_conditions}) {
        for (auto& node : *list) {
            if (node) out.push_back(node.release());
        }
        list->clear();
    }
}

void GenRangeDecls::Print(std::ostream& out) const {
    bool first = true;
    for (const auto* list : {&m_ranges, &m_conditions}) {
        for (const auto& node : *list) {
            out << (first ? "" : ", ") << *node;
            first = false;
        }
    }
}

} // namespace TavLanguage
