#include "language/tree/GenVar.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawArr.hpp"
#include "language/raw/RawOp.hpp"
#include "language/tree/GenVal.hpp"

#include <ostream>
#include <sstream>

namespace TavLanguage {

GenVar::GenVar(int line, std::string name, GenList indices)
    : GenObj(line), m_name(std::move(name)), m_indices(std::move(indices)) {
    if (m_indices.empty() || m_indices.size() > kMaxLiterals) return;
    int values[kMaxLiterals] = {};
    for (std::size_t i = 0; i < m_indices.size(); ++i) {
        const auto* literal = dynamic_cast<const GenVal*>(m_indices[i].get());
        if (literal == nullptr || !literal->GetIntLiteral(values[i])) return;
    }
    m_literalCount = m_indices.size();
    for (std::size_t i = 0; i < m_literalCount; ++i)
        m_literals[i] = values[i];
    GenList().swap(m_indices); // frees the nodes and the list's storage
}

bool GenVar::Check(ParseContext& ctx) {
    GenSymbol* symbol = ctx.Symbols().Find(m_name);
    if (symbol == nullptr || symbol->kind == GenSymbol::Kind::UserConstraint ||
        symbol->kind == GenSymbol::Kind::UserFunction) {
        throw ParserErr(*this, 54, m_name);
    }
    // Walks down the symbol's type without copying it; `made` holds a type made on the way.
    static const GenType untyped;
    static const GenType integer(GenKind::IntVal);
    const GenType* type = &symbol->type;
    GenType made;
    bool variableIndex = false;
    for (std::size_t k = 0; k < IndexCount(); ++k) {
        const GenType* indexType = &integer;
        if (m_literalCount > 0) {
            NestingGuard guard(ctx, *this); // as checking an index node would
        } else {
            if (!CheckNode(*m_indices[k], ctx)) return false;
            indexType = &m_indices[k]->GetThisType();
        }
        if (variableIndex) throw ParserErr(*this, 18);
        if (type->GetKind() != GenKind::Array && type->GetKind() != GenKind::Range) throw ParserErr(*this, 60);
        if (!indexType->IsIntegral()) throw ParserErr(*this, 7);
        const GenType* element = type->HasSubTypes() ? &type->GetSubType() : &untyped;
        if (indexType->IsVariable()) {
            if (!element->IsIntValue()) throw ParserErr(*this, 18);
            variableIndex = true;
            made = GenType(GenKind::IntVar);
            element = &made;
        }
        type = element;
    }
    m_type = *type;
    return true;
}

namespace {
std::string IndexText(const RPtr<RawExpr>& index) {
    return index->ToString();
}
} // namespace

RPtr<RawExpr> GenVar::Gen(ParseContext& ctx) {
    GenSymbol* symbol = ctx.Symbols().Find(m_name);
    if (symbol == nullptr || !symbol->value) throw ParserErr(*this, 54, m_name);
    RPtr<RawExpr> current = symbol->value;
    for (std::size_t k = 0; k < m_literalCount; ++k) {
        NestingGuard guard(ctx, *this); // as generating an index node would
        auto* col = dynamic_cast<RawCol*>(current.Get());
        if (col == nullptr || current->IsOp()) throw ParserErr(*this, 60);
        const int i = m_literals[k];
        if (i < 0 || i >= col->GetSize()) throw ParserErr(*this, 63, -1, std::to_string(i), m_name);
        current = col->GetElement(i);
    }
    for (auto& indexNode : m_indices) {
        RPtr<RawExpr> index = GenNode(*indexNode, ctx);
        RPtr<RawCol> col = current;
        if (!col || current->IsOp()) throw ParserErr(*this, 60);
        if (index->IsVal() && index->IsInt()) {
            const int k = index->GetInt();
            if (k < 0 || k >= col->GetSize()) throw ParserErr(*this, 63, -1, IndexText(index), m_name);
            current = col->GetElement(k);
            continue;
        }
        // A variable index: the element is chosen by the solver among integer constants.
        RPtr<RawArr> values = current;
        if (!values) {
            values = RPtr<RawArr>(new RawArr);
            for (int i = 0; i < col->GetSize(); ++i)
                values->AddElement(col->GetElement(i));
        }
        for (const auto& v : values->GetElements()) {
            if (!(v->IsVal() && v->IsInt())) throw ParserErr(*this, 18);
        }
        current = RPtr<RawExpr>(new RawOp(RawType::Index, index, values));
    }
    return current;
}

std::string GenVar::Text() const {
    // One stream per thread, emptied for each use: setting up a stream for every indexed
    // identifier cost more than the rest of its reading.
    thread_local std::ostringstream out;
    out.str(std::string());
    out.clear();
    Print(out);
    return out.str();
}

void GenVar::Print(std::ostream& out) const {
    out << m_name;
    for (std::size_t k = 0; k < m_literalCount; ++k)
        out << "[" << m_literals[k] << "]";
    for (const auto& index : m_indices)
        out << "[" << *index << "]";
}

} // namespace TavLanguage
