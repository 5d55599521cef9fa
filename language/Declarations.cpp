#include "language/Declarations.hpp"

#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/raw/RawArr.hpp"
#include "language/raw/RawRange.hpp"
#include "language/raw/RawStr.hpp"
#include "language/tree/GenRaw.hpp"

#include <cstdint>

namespace TavLanguage {

namespace Declarations {

namespace {

// A node carrying only a line, for errors of declarations.
class LineNode : public GenObj {
public:
    explicit LineNode(int line) : GenObj(line) {}
    bool Check(ParseContext&) override { return true; }
    RPtr<RawExpr> Gen(ParseContext&) override { return nullptr; }
};

void DeclareDomainName(ParseContext& ctx, int line, const std::string& name) {
    if (!ctx.DeclareDomain(name)) throw ParserErr(LineNode(line), 3, name);
}

// Builds the (nested) array of variables of one dimension level, row-major.
RPtr<RawExpr> MakeArray(ParseContext& ctx, RawType kind, const std::string& prefix,
                        const std::vector<int>& dims, std::size_t level, const RPtr<RawDom>& domain) {
    if (level == dims.size()) {
        // An array of a million variables takes long to make: a time limit ends it here.
        ctx.CheckStop();
        RPtr<RawVar> var(new RawVar(kind, prefix, domain));
        ctx.Problem().AddVariable(var);
        return var;
    }
    RPtr<RawArr> arr(new RawArr);
    arr->ReserveElements(static_cast<std::size_t>(dims[level]));
    for (int i = 0; i < dims[level]; ++i) {
        arr->AddElement(
            MakeArray(ctx, kind, prefix + "[" + std::to_string(i) + "]", dims, level + 1, domain));
    }
    return arr;
}

} // namespace

int ConstantInt(ParseContext& ctx, GenObj& expr) {
    if (!CheckNode(expr, ctx)) throw ParserErr(expr, 18);
    RPtr<RawExpr> value = GenNode(expr, ctx);
    if (!GenRaw::IsIntConst(value)) throw ParserErr(expr, 18);
    return value->GetInt();
}

void AddIntDomainRange(ParseContext& ctx, int line, const std::string& name, GenPtr low, GenPtr high) {
    const int lo = ConstantInt(ctx, *low);
    const int hi = ConstantInt(ctx, *high);
    DeclareDomainName(ctx, line, name);
    ctx.Problem().AddDomain(
        RPtr<RawDom>(new RawDom(RawType::IntDom, name, RPtr<RawExpr>(new RawRange(lo, hi)))));
}

void AddIntDomainList(ParseContext& ctx, int line, const std::string& name, GenList values, bool setDomain) {
    RPtr<RawArr> arr(new RawArr);
    for (auto& v : values)
        arr->AddElement(GenRaw::Int(ConstantInt(ctx, *v)));
    DeclareDomainName(ctx, line, name);
    ctx.Problem().AddDomain(
        RPtr<RawDom>(new RawDom(setDomain ? RawType::SetDom : RawType::IntDom, name, arr)));
}

void AddEnumDomain(ParseContext& ctx, int line, const std::string& name,
                   const std::vector<std::string>& values) {
    RPtr<RawArr> arr(new RawArr);
    for (const auto& v : values)
        arr->AddElement(RPtr<RawExpr>(new RawStr(v)));
    DeclareDomainName(ctx, line, name);
    ctx.Problem().AddDomain(RPtr<RawDom>(new RawDom(RawType::StrDom, name, arr)));
}

void AddVariables(ParseContext& ctx, int token, std::vector<IdentDecl>& names, const std::string& domainName,
                  int line) {
    RawType kind = RawType::IntVar;
    RawType domainKind = RawType::IntDom;
    int unknownDomainCode = 47;
    switch (token) {
    case Token::INTVAR_DECL:
        break;
    case Token::ENUMVAR_DECL:
        kind = RawType::StrVar;
        domainKind = RawType::StrDom;
        unknownDomainCode = 49;
        break;
    case Token::SETVAR_DECL:
        kind = RawType::SetVar;
        domainKind = RawType::SetDom;
        unknownDomainCode = 46;
        break;
    case Token::BOOLVAR_DECL:
        kind = RawType::BoolVar;
        break;
    case Token::REALVAR_DECL:
        kind = RawType::FltVar;
        break;
    default:
        throw ParserErr(LineNode(line), 2);
    }
    RPtr<RawDom> domain;
    if (kind == RawType::IntVar || kind == RawType::StrVar || kind == RawType::SetVar) {
        if (!ctx.Problem().FindDomain(domainName, domainKind, domain)) {
            throw ParserErr(LineNode(line), unknownDomainCode, domainName);
        }
    }
    for (auto& decl : names) {
        // Every variable, each element of an array one, counts towards the parse's bound on
        // what it generates; an array past it is refused before any of it is made.
        std::vector<int> dims;
        std::int64_t total = 1;
        const std::int64_t left = ctx.GeneratedLeft();
        for (auto& d : decl.dims) {
            const int size = ConstantInt(ctx, *d);
            if (size < 0 || (size > 0 && total > left / size))
                throw ParserErr(LineNode(decl.line), 62, decl.name);
            total *= size;
            dims.push_back(size);
        }
        if (ctx.IsNameUsed(decl.name)) throw ParserErr(LineNode(decl.line), 3, decl.name);
        if (!ctx.TakeDeclared(total)) throw ParserErr(LineNode(decl.line), 62, decl.name);
        RPtr<RawExpr> value = MakeArray(ctx, kind, decl.name, dims, 0, domain);
        GenType type(ToCode(kind));
        if (kind == RawType::SetVar && domain && domain->GetValues()->GetSize() > 0) {
            type.SetSubType(GenType(domain->GetValues()->GetElement(0)));
        }
        for (std::size_t level = 0; level < dims.size(); ++level) {
            GenType outer(GenKind::Array);
            outer.SetSubType(type);
            type = outer;
        }
        GenSymbol symbol;
        symbol.kind = GenSymbol::Kind::Variable;
        symbol.type = type;
        symbol.value = value;
        ctx.Symbols().Add(decl.name, std::move(symbol));
    }
}

} // namespace Declarations

} // namespace TavLanguage
