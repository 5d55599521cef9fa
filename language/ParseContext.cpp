#include "language/ParseContext.hpp"

#include "language/tree/GenObj.hpp"

namespace TavLanguage {

void ParseContext::FlushIdentifiers(int token) {
    m_info.ReserveItems(m_pendingIdentifiers.size());
    for (auto& text : m_pendingIdentifiers)
        m_info.AddItem(std::move(text));
    m_pendingIdentifiers.clear();
    m_info.AddList(token);
}

void ParseContext::CountWalked(const GenObj& where, long long count) {
    CheckStop();
    // Compared before adding, so that a huge count cannot overflow the total.
    if (count > m_maxWalked - m_walked)
        throw ParserErr(where, 67, std::to_string(m_maxWalked) + " index combinations walked");
    m_walked += count;
}

void ParseContext::CountGenerated(const GenObj& where) {
    CheckStop();
    if (++m_generated > m_maxGenerated)
        throw ParserErr(where, 67, std::to_string(m_maxGenerated) + " bodies or elements generated");
}

bool ParseContext::TakeDeclared(long long count) {
    CheckStop();
    if (count > m_maxGenerated - m_generated) return false;
    m_generated += count;
    return true;
}

} // namespace TavLanguage
