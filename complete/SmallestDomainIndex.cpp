#include "complete/SmallestDomainIndex.hpp"

#include "complete/Variable.hpp"
#include "platform/StopPoll.hpp"

#include <algorithm>

namespace GFCLib {

bool SmallestDomainIndex::Reset(const std::vector<Variable*>& decision, const std::atomic<bool>* stop) {
    m_decision = &decision;
    m_log.clear();
    m_valid = false;
    const int n = static_cast<int>(decision.size());
    const auto stopped = [stop](int p) { return Platform::StopDue(stop, static_cast<std::size_t>(p)); };
    int maxId = -1;
    m_usable = n > kScanAtMost;
    for (int p = 0; p < n; ++p) {
        if (stopped(p)) {
            m_usable = false;
            return false;
        }
        const Variable* v = decision[static_cast<std::size_t>(p)];
        if (v == nullptr || v->GetId() < 0) m_usable = false;
        else maxId = std::max(maxId, v->GetId());
    }
    m_positionOf.assign(static_cast<std::size_t>(maxId + 1), -1);
    for (int p = 0; p < n && m_usable; ++p) {
        if (stopped(p)) {
            m_usable = false;
            return false;
        }
        int& slot = m_positionOf[static_cast<std::size_t>(decision[static_cast<std::size_t>(p)]->GetId())];
        if (slot >= 0) m_usable = false;
        slot = p;
    }
    m_key.assign(static_cast<std::size_t>(n), kNone);
    const int blocks = (n + kBlock - 1) / kBlock;
    m_leaves = 1;
    while (m_leaves < blocks)
        m_leaves *= 2;
    m_tree.assign(2 * static_cast<std::size_t>(m_leaves), kNone);
    m_blockDirty.assign(static_cast<std::size_t>(blocks), 0);
    m_dirtyBlocks.clear();
    m_dirtyBlocks.reserve(static_cast<std::size_t>(blocks));
    return true;
}

std::uint64_t SmallestDomainIndex::KeyOf(int p) const {
    const Variable* v = (*m_decision)[static_cast<std::size_t>(p)];
    if (v->IsInstantiated()) return kNone;
    // Sizes are ints; a negative one would order first, as in the plain scan's comparison.
    const auto size = static_cast<std::uint64_t>(static_cast<std::int64_t>(v->GetDomainSize()) + 0x80000000LL);
    return size << 32 | static_cast<std::uint32_t>(p);
}

std::uint64_t SmallestDomainIndex::BlockMin(int block) const {
    const std::size_t first = static_cast<std::size_t>(block) * kBlock;
    const std::size_t last = std::min(first + kBlock, m_key.size());
    std::uint64_t best = kNone;
    for (std::size_t p = first; p < last; ++p)
        best = std::min(best, m_key[p]);
    return best;
}

void SmallestDomainIndex::RefreshBlock(int block, bool reread) {
    std::size_t node = static_cast<std::size_t>(m_leaves + block);
    if (reread) m_tree[node] = BlockMin(block);
    for (node /= 2; node >= 1; node /= 2) {
        const std::uint64_t up = std::min(m_tree[2 * node], m_tree[2 * node + 1]);
        if (m_tree[node] == up) break;
        m_tree[node] = up;
    }
}

void SmallestDomainIndex::Rebuild() {
    const int n = static_cast<int>(m_key.size());
    for (int p = 0; p < n; ++p)
        m_key[static_cast<std::size_t>(p)] = KeyOf(p);
    std::fill(m_tree.begin(), m_tree.end(), kNone);
    const int blocks = static_cast<int>(m_blockDirty.size());
    for (int b = 0; b < blocks; ++b)
        m_tree[static_cast<std::size_t>(m_leaves + b)] = BlockMin(b);
    for (std::size_t node = static_cast<std::size_t>(m_leaves) - 1; node >= 1; --node)
        m_tree[node] = std::min(m_tree[2 * node], m_tree[2 * node + 1]);
    m_valid = true;
}

void SmallestDomainIndex::TrimLog() {
    if (m_log.size() <= m_key.size()) return;
    m_log.clear();
    m_valid = false;
}

int SmallestDomainIndex::Choose() {
    TrimLog();
    if (!m_valid) {
        Rebuild();
    } else {
        for (const Variable* v : m_log) {
            if (v == nullptr) continue;
            const int id = v->GetId();
            if (id < 0 || id >= static_cast<int>(m_positionOf.size())) continue;
            const int p = m_positionOf[static_cast<std::size_t>(id)];
            if (p < 0 || (*m_decision)[static_cast<std::size_t>(p)] != v) continue;
            const std::uint64_t key = KeyOf(p);
            std::uint64_t& held = m_key[static_cast<std::size_t>(p)];
            if (key == held) continue;
            const int block = p / kBlock;
            std::uint64_t& least = m_tree[static_cast<std::size_t>(m_leaves + block)];
            // A smaller key becomes the block's least at once; a larger one matters only when
            // it was the least, and then the block is read again.
            char mark = 0;
            if (key < least) {
                least = key;
                mark = 1;
            } else if (held == least) {
                mark = 2;
            }
            held = key;
            char& dirty = m_blockDirty[static_cast<std::size_t>(block)];
            if (mark > dirty) {
                if (dirty == 0) m_dirtyBlocks.push_back(block);
                dirty = mark;
            }
        }
        for (const int block : m_dirtyBlocks) {
            const bool reread = m_blockDirty[static_cast<std::size_t>(block)] == 2;
            m_blockDirty[static_cast<std::size_t>(block)] = 0;
            RefreshBlock(block, reread);
        }
        m_dirtyBlocks.clear();
    }
    m_log.clear();
    const std::uint64_t root = m_tree[1];
    return root == kNone ? -1 : static_cast<int>(root & 0xffffffffu);
}

} // namespace GFCLib
