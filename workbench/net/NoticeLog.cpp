#include "workbench/net/NoticeLog.hpp"

namespace TavNet {

void NoticeLog::Add(const std::string& text) {
    std::string shown;
    {
        std::lock_guard lock(m_mutex);
        if (m_entries.size() >= 1000) m_entries.erase(m_entries.begin(), m_entries.begin() + 500);
        m_entries.push_back(text);
        const auto now = m_clock();
        if (now - m_windowStart >= std::chrono::seconds(1)) {
            m_windowStart = now;
            m_inWindow = 0;
        }
        if (m_inWindow >= kBurst) {
            ++m_heldBack;
            return;
        }
        ++m_inWindow;
        shown = text;
        if (m_heldBack > 0) shown += " (" + std::to_string(m_heldBack) + " more notices in the log)";
        m_heldBack = 0;
    }
    if (m_display) m_display(shown);
}

std::vector<std::string> NoticeLog::Entries() const {
    std::lock_guard lock(m_mutex);
    return m_entries;
}

} // namespace TavNet
