#include "workbench/model/OptimisationList.hpp"

namespace TavWorkbench {

void OptimisationList::Announce(ModelAnnouncer* announcer) {
    if (announcer != nullptr) announcer->Changed(ModelKind::Optimisation, -1);
}

OptimisationList& OptimisationList::operator=(std::vector<std::string> entries) {
    m_entries = std::move(entries);
    Announce(m_announcer);
    return *this;
}

void OptimisationList::push_back(std::string entry) {
    m_entries.push_back(std::move(entry));
    Announce(m_announcer);
}

void OptimisationList::assign(std::size_t count, const std::string& entry) {
    m_entries.assign(count, entry);
    Announce(m_announcer);
}

void OptimisationList::clear() {
    if (m_entries.empty()) return;
    m_entries.clear();
    Announce(m_announcer);
}

void OptimisationList::SetTarget(std::string text) {
    if (m_entries.empty())
        m_entries.push_back(std::move(text));
    else
        m_entries.front() = std::move(text);
    Announce(m_announcer);
}

void OptimisationList::TakeFrom(OptimisationList& other) {
    if (&other == this) return;
    m_entries = std::move(other.m_entries);
    other.m_entries.clear();
    Announce(other.m_announcer);
    Announce(m_announcer);
}

} // namespace TavWorkbench
