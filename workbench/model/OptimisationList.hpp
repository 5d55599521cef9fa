#pragma once
// The model's optimisation list: entry 0 is the target ("Minimise(...)" or "Maximise(...)"),
// empty for none; in practice it holds at most one entry. It reads like the std::vector it
// stands for, and every change is told to the model's observers as the list changed as a whole.

#include "workbench/model/ModelAnnouncer.hpp"

#include <string>
#include <vector>

namespace TavWorkbench {

class OptimisationList {
public:
    OptimisationList() = default;
    OptimisationList(const OptimisationList&) = delete;
    OptimisationList& operator=(const OptimisationList&) = delete;

    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }
    // Throws std::out_of_range when there is no such entry.
    const std::string& at(std::size_t i) const { return m_entries.at(i); }
    // The target; the list must not be empty.
    const std::string& front() const { return m_entries.front(); }
    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }
    const std::vector<std::string>& Entries() const { return m_entries; }
    operator const std::vector<std::string>&() const { return m_entries; }
    friend bool operator==(const OptimisationList& list, const std::vector<std::string>& entries) {
        return list.m_entries == entries;
    }

    OptimisationList& operator=(std::vector<std::string> entries);
    void push_back(std::string entry);
    void assign(std::size_t count, const std::string& entry);
    void clear();
    // The target becomes `text`: it replaces entry 0, or is appended to an empty list.
    void SetTarget(std::string text);
    // Takes over every entry of `other`, which is left empty.
    void TakeFrom(OptimisationList& other);

    void SetAnnouncer(ModelAnnouncer* announcer) { m_announcer = announcer; }

private:
    void Announce(ModelAnnouncer* announcer);

    std::vector<std::string> m_entries;
    ModelAnnouncer* m_announcer = nullptr;
};

} // namespace TavWorkbench
