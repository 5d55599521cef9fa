#include "language/tree/GenSubRange.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawArr.hpp"
#include "language/tree/GenArgList.hpp"

#include <climits>
#include <ostream>

namespace TavLanguage {

bool GenSubRange::Check(ParseContext& ctx) {
    if (!CheckNode(*m_list, ctx)) return false;
    const GenType& t = m_list->GetThisType();
    if (t.GetKind() != GenKind::Array && t.GetKind() != GenKind::Set && t.GetKind() != GenKind::SetVal) {
        throw ParserErr(*this, 23);
    }
    m_type = GenType(m_mode == Mode::Subsets ? GenKind::SetVal : GenKind::Array);
    if (t.HasSubTypes()) m_type.SetSubType(t.GetSubType());
    return true;
}

void GenSubRange::Reset(ParseContext& ctx) {
    RPtr<RawExpr> value = GenNode(*m_list, ctx);
    RPtr<RawCol> col = value;
    if (!col) throw ParserErr(*this, 23);
    const int n = col->GetSize();
    std::vector<RPtr<RawExpr>> elements;
    for (int i = 0; i < n; ++i)
        elements.push_back(col->GetElement(i));
    m_values.clear();
    m_position = 0;
    if (m_mode == Mode::Sublists) {
        // n(n+1)/2 sublists holding n(n+1)(n+2)/6 elements in all: counted before any is
        // made, so a long list is refused at once rather than after gigabytes.
        const long long count = n;
        ctx.CountWalked(*this, n > 1'000'000 ? LLONG_MAX : count * (count + 1) / 2 * (count + 2) / 3);
        for (int start = 0; start < n; ++start) {
            for (int length = 1; start + length <= n; ++length) {
                RPtr<RawArr> sub(new RawArr);
                for (int k = start; k < start + length; ++k)
                    sub->AddElement(elements[static_cast<std::size_t>(k)]);
                m_values.push_back(sub);
            }
        }
        return;
    }
    if (n > kMaxElements) throw ParserErr(*this, 62, GetName());
    for (std::uint32_t mask = 1; mask < (1u << n); ++mask) {
        std::vector<RPtr<RawExpr>> chosen;
        for (int k = 0; k < n; ++k) {
            if (mask & (1u << k)) chosen.push_back(elements[static_cast<std::size_t>(k)]);
        }
        if (m_mode == Mode::Subsets) {
            m_values.push_back(GenArgList::MakeSet(chosen, *this));
        } else {
            RPtr<RawArr> sub(new RawArr);
            for (auto& e : chosen)
                sub->AddElement(e);
            m_values.push_back(sub);
        }
    }
}

void GenSubRange::Print(std::ostream& out) const {
    out << (m_mode == Mode::Sublists  ? "sublists "
            : m_mode == Mode::Subsets ? "subsets "
                                      : "subseqs ")
        << GetName() << " of " << *m_list;
}

} // namespace TavLanguage
