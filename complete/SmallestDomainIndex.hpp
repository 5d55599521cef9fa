#pragma once
// The smallest-domain choice kept up to date instead of rescanned: the free decision variable
// with the fewest values left, earliest on ties (as SmallestDomainScan over the decision list),
// found in about O(changes since the last choice) rather than O(variables). Each position holds
// a key (domain size, or "none" while bound); the keys sit in blocks of kBlock positions under a
// tournament tree of block minima. The search appends every variable whose domain or binding
// may have changed to Log() (the trail logs the domains it saves and restores); Choose reads
// only those again, and rescans everything after Invalidate or when the log outgrew the list.
// Invariant between choices: a variable not in the log has the key the index holds for it.

#include <atomic>
#include <cstdint>
#include <vector>

namespace GFCLib {

class Variable;

class SmallestDomainIndex {
public:
    // Indexes these decision variables (not owned; the list must outlive the index) and starts
    // invalid. False when `stop` (may be null) was set meanwhile: the index is then unusable.
    [[nodiscard]] bool Reset(const std::vector<Variable*>& decision, const std::atomic<bool>* stop = nullptr);
    // False when a scan of the decision variables serves as well: when they are so few that
    // reading them all costs about what following their changes costs, or when their ids do not
    // tell their positions apart.
    bool IsUsable() const { return m_usable; }
    // Where the variables that may have changed are appended; duplicates and variables outside
    // the decision list are allowed.
    std::vector<Variable*>& Log() { return m_log; }
    // The next Choose reads every variable again.
    void Invalidate() { m_valid = false; }
    // Forgets a log grown past the list's length (a rescan is then as cheap), so that the log
    // stays bounded while nothing chooses.
    void TrimLog();
    // The position of the free decision variable of smallest domain size, the first on ties;
    // -1 when every one is bound. Only while IsUsable().
    int Choose();

private:
    static constexpr int kBlock = 64;
    // Up to this many decision variables a scan is as quick (measured on a knapsack of 25
    // variables, where following the changes took about twice the scan's time).
    static constexpr int kScanAtMost = 2 * kBlock;
    static constexpr std::uint64_t kNone = ~std::uint64_t{0};
    // The key of position p in the tree's order: size in the high half, position in the low.
    std::uint64_t KeyOf(int p) const;
    void Rebuild();
    std::uint64_t BlockMin(int block) const;
    // Passes the block's least key up the tree, reading the block again first when reread.
    void RefreshBlock(int block, bool reread);

    const std::vector<Variable*>* m_decision = nullptr;
    std::vector<int> m_positionOf;    // variable id -> decision position, -1 for none
    std::vector<std::uint64_t> m_key; // per position
    std::vector<std::uint64_t> m_tree; // 1 the root, m_leaves.. the blocks' minima
    std::vector<char> m_blockDirty; // 0 clean, 1 its least is set, 2 to read again
    std::vector<int> m_dirtyBlocks;
    std::vector<Variable*> m_log;
    int m_leaves = 1;
    bool m_usable = false; // false when variable ids do not tell the positions apart
    bool m_valid = false;
};

} // namespace GFCLib
