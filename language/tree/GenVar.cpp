#include "language/tree/GenVar.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawArr.hpp"
#include "language/raw/RawOp.hpp"

#include <ostream>
#include <sstream>

namespace TavLanguage {

bool GenVar::Check(ParseContext& ctx) {
    GenSymbol* symbol = ctx.Symbols().Find(m_name);
    if (symbol == nullptr || symbol->kind == GenSymbol::Kind::UserConstraint ||
        symbol->kind == GenSymbol::Kind::UserFunction) {
        throw ParserErr(*this, 54, m_name);
    }
    GenType type = symbol->type;
    bool variableIndex = false;
    for (auto& index : m_indices) {
        if (!CheckNode(*index, ctx)) return false;
        if (variableIndex) throw ParserErr(*this, 18);
        if (type.GetKind() != GenKind::Array && type.GetKind() != GenKind::Range) throw ParserErr(*this, 60);
        const GenType& it = index->GetThisType();
        if (!it.IsIntegral()) throw ParserErr(*this, 7);
        GenType element = type.HasSubTypes() ? type.GetSubType() : GenType();
        if (it.IsVariable()) {
            if (!element.IsIntValue()) throw ParserErr(*this, 18);
            variableIndex = true;
            element = GenType(GenKind::IntVar);
        }
        type = element;
    }
    m_type = type;
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
    for (const auto& index : m_indices)
        out << "[" << *index << "]";
}

} // namespace TavLanguage
