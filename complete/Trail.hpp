#pragma once
// The saved states of the domains changed since each open search level began, so that undoing
// a level restores exactly the domains that changed in it instead of copying every domain it
// might have touched (trailing with time stamps: each level has a stamp, and a domain saves
// itself once per stamp, before its first change). Only bits within a domain's bounds are saved.
// Entries are reused from level to level, so a search allocates only while it goes deeper than
// before. Besides domains the trail keeps integers of the constraints' own (saved once per level
// as domains are) and the ids that propagation entered into past sets (taken out again when
// their level is undone). It also passes every domain change on to a listener (the search's
// propagation) and carries the search's stop request to the loops that run long.

#include "complete/DomainEvent.hpp"
#include "complete/SetDomainState.hpp"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace GFCLib {

class FiniteDomain;
class PropagationQueue;
class SetDomain;
class Variable;

class Trail {
public:
    // Opens a level: changes from now on are saved for it.
    void PushLevel();
    // Restores every domain changed since the innermost level opened; it stays open.
    void UndoLevel();
    // Restores as UndoLevel does, then closes the innermost level.
    void PopLevel();
    int Depth() const { return static_cast<int>(m_levels.size()); }
    // The stamp of the innermost level; 0 while no level is open (nothing is saved then). A
    // level gets a new stamp when it opens and when it is undone.
    std::uint64_t Stamp() const { return m_stamp; }

    // Saves a domain's state for the innermost level (the domains call this themselves).
    void Save(FiniteDomain& domain);
    void Save(SetDomain& domain);

    // Removes the positions at and above `first` from every saved state of domain, so that no
    // undo brings them back.
    void CutSaved(const FiniteDomain& domain, int first);

    // Saves an integer for the innermost level before its first change there; stamp is the
    // integer's own record of the level that saved it last (start it at 0).
    void Save(int& value, std::uint64_t& stamp) {
        if (stamp == m_stamp) return;
        SaveInt(value, stamp);
    }
    // Records that id entered var's past set in the innermost level, so that undoing the level
    // takes it out again.
    void SavePastEntry(Variable* var, int id);

    // Domain changes go to this listener from now on (null: to nobody).
    void SetListener(PropagationQueue* listener) { m_listener = listener; }
    bool HasListener() const { return m_listener != nullptr; }
    // Tells the listener that owner's domain changed so (the domains call this themselves):
    // its ends before the change, and whether positions inside the new ends may have gone.
    void Changed(Variable* owner, DomainEvent event, int oldMin, int oldMax, bool inside);

    // The owners of the domains saved or restored from now on are appended here (null: nowhere),
    // so that the search learns which domains may have changed without looking at all of them.
    void SetChangeLog(std::vector<Variable*>* log) { m_changeLog = log; }

    // The search's stop request, read by loops that may run long (null: never stopped).
    void SetStopFlag(const std::atomic<bool>* flag) { m_stopFlag = flag; }
    bool IsStopRequested() const {
        return m_stopFlag != nullptr && m_stopFlag->load(std::memory_order_relaxed);
    }

private:
    // A saved finite domain state: its bounds, size and, when explicit, the words of its bits
    // that hold the bounds (from word firstWord on).
    struct FiniteEntry {
        FiniteDomain* domain = nullptr;
        std::uint64_t stamp = 0; // the domain's stamp before this save
        int min = 0;
        int max = -1;
        std::int64_t size = 0;
        bool isExplicit = false;
        int firstWord = 0;
        int wordCount = 0;
        std::uint32_t inlineWords[4] = {}; // the words when there are at most four
        std::vector<std::uint32_t> words;  // else here
        const std::uint32_t* Words() const { return wordCount <= 4 ? inlineWords : words.data(); }
        std::uint32_t* Words() { return wordCount <= 4 ? inlineWords : words.data(); }
    };
    struct SetEntry {
        SetDomain* domain = nullptr;
        std::uint64_t stamp = 0;
        SetDomainState state;
    };
    struct IntEntry {
        int* value;
        int old;
        std::uint64_t* stamp;
        std::uint64_t oldStamp;
    };
    struct PastEntry {
        Variable* var;
        int id;
    };
    struct Level {
        std::size_t finite;
        std::size_t sets;
        std::size_t ints;
        std::size_t pasts;
        std::uint64_t stamp;
    };
    void RestoreTo(const Level& level);
    void SaveInt(int& value, std::uint64_t& stamp);

    std::vector<FiniteEntry> m_finite; // entries below m_finiteTop are in use
    std::size_t m_finiteTop = 0;
    std::vector<SetEntry> m_sets;
    std::size_t m_setTop = 0;
    std::vector<IntEntry> m_ints;
    std::vector<PastEntry> m_pasts;
    std::vector<Level> m_levels;
    std::uint64_t m_stamp = 0;
    std::uint64_t m_nextStamp = 1;
    PropagationQueue* m_listener = nullptr;
    std::vector<Variable*>* m_changeLog = nullptr;
    const std::atomic<bool>* m_stopFlag = nullptr;
};

} // namespace GFCLib
