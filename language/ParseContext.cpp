#include "language/ParseContext.hpp"

void ParseContext::FlushIdentifiers(int token) {
    for (auto& text : m_pendingIdentifiers)
        m_info.AddItem(text);
    m_pendingIdentifiers.clear();
    m_info.AddList(token);
}
