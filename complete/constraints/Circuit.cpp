#include "complete/constraints/Circuit.hpp"

#include "complete/IntVar.hpp"

namespace GFCLib {

namespace {
// The successor of node i, or -1 when unbound or not a node.
int SuccessorOf(const CPObject* a, int n) {
    if (!a->IsBound() || !a->GetValue().IsInt()) return -1;
    const int s = a->GetValue().GetInt();
    return s >= 0 && s < n ? s : -1;
}
} // namespace

bool Circuit::IsSatisfied() const {
    const int n = static_cast<int>(m_args.size());
    if (n == 0) return true;
    std::vector<char> seen(static_cast<std::size_t>(n), 0);
    int node = 0;
    for (int step = 0; step < n; ++step) {
        if (seen[static_cast<std::size_t>(node)]) return false;
        seen[static_cast<std::size_t>(node)] = 1;
        node = SuccessorOf(m_args[static_cast<std::size_t>(node)], n);
        if (node < 0) return false;
    }
    return node == 0;
}

void Circuit::Attach() {
    ExpandDomains(0);
    Constraint::Attach();
}

bool Circuit::Preprocess() {
    const int n = static_cast<int>(m_args.size());
    for (int i = 0; i < n; ++i) {
        auto* x = dynamic_cast<IntVar*>(m_args[static_cast<std::size_t>(i)]);
        if (x == nullptr || x->IsInstantiated()) continue;
        if (!x->KeepRange(0, n - 1)) return false;
        if (n > 1 && !x->RemoveInt(i)) return false;
    }
    if (m_vars.empty()) return IsSatisfied();
    return ForwardCheck();
}

bool Circuit::ForwardCheck() {
    const int n = static_cast<int>(m_args.size());
    std::vector<int> next(static_cast<std::size_t>(n), -1);
    std::vector<int> previous(static_cast<std::size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
        const int s = SuccessorOf(m_args[static_cast<std::size_t>(i)], n);
        if (m_args[static_cast<std::size_t>(i)]->IsBound() && s < 0) return false;
        if (s < 0) continue;
        if (previous[static_cast<std::size_t>(s)] >= 0) return false;
        next[static_cast<std::size_t>(i)] = s;
        previous[static_cast<std::size_t>(s)] = i;
    }
    for (int i = 0; i < n; ++i) {
        auto* x = dynamic_cast<IntVar*>(m_args[static_cast<std::size_t>(i)]);
        if (x == nullptr || x->IsInstantiated()) continue;
        // No two nodes share a successor.
        for (int s = 0; s < n; ++s)
            if (previous[static_cast<std::size_t>(s)] >= 0 && !x->RemoveInt(s)) return false;
        // i ends a chain of bound successors starting at `start`: linking back closes a circuit,
        // allowed only through all n nodes.
        int start = i;
        int length = 1;
        while (previous[static_cast<std::size_t>(start)] >= 0 && length <= n) {
            start = previous[static_cast<std::size_t>(start)];
            ++length;
        }
        if (length < n && !x->RemoveInt(start)) return false;
    }
    return true;
}

} // namespace GFCLib
