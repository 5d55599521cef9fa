#include "language/tree/GenArgList.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawArr.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSet.hpp"

#include <algorithm>
#include <ostream>
#include <set>

namespace TavLanguage {

bool GenArgList::Check(ParseContext& ctx) {
    GenType element;
    bool first = true;
    for (auto& e : m_elements) {
        if (!CheckNode(*e, ctx)) return false;
        const GenType& t = e->GetThisType();
        if (m_isSet && !t.IsValue()) throw ParserErr(*this, 19);
        if (first)
            element = t;
        else if (!element.IsCompatible(t) && !t.IsCompatible(element))
            throw ParserErr(*this, 44);
        else
            element.AddArraySubTypes(t);
        first = false;
    }
    m_type = GenType(m_isSet ? GenKind::Set : GenKind::Array);
    if (!first) m_type.SetSubType(element);
    return true;
}

RPtr<RawExpr> GenArgList::MakeSet(const std::vector<RPtr<RawExpr>>& elements, const GenObj& at) {
    RPtr<RawSet> set(new RawSet);
    const bool integers = std::all_of(elements.begin(), elements.end(),
                                      [](const RPtr<RawExpr>& e) { return e->IsVal() && e->IsInt(); });
    if (integers) {
        std::set<int> values;
        for (const auto& e : elements)
            values.insert(e->GetInt());
        for (int v : values)
            set->AddElement(RPtr<RawExpr>(new RawInt(v)));
        return set;
    }
    std::vector<std::string> seen;
    for (const auto& e : elements) {
        if (!e->IsVal()) throw ParserErr(at, 19);
        const std::string key = e->ToString();
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        set->AddElement(e);
    }
    return set;
}

RPtr<RawExpr> GenArgList::Gen(ParseContext& ctx) {
    std::vector<RPtr<RawExpr>> values;
    values.reserve(m_elements.size());
    for (auto& e : m_elements)
        values.push_back(GenNode(*e, ctx));
    if (m_isSet) return MakeSet(values, *this);
    RPtr<RawArr> arr(new RawArr);
    arr->ReserveElements(values.size());
    for (auto& v : values)
        arr->AddElement(std::move(v));
    return arr;
}

void GenArgList::Print(std::ostream& out) const {
    out << (m_isSet ? "{" : "[");
    for (std::size_t i = 0; i < m_elements.size(); ++i)
        out << (i ? ", " : "") << *m_elements[i];
    out << (m_isSet ? "}" : "]");
}

} // namespace TavLanguage
