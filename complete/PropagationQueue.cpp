#include "complete/PropagationQueue.hpp"

#include "complete/Constraint.hpp"
#include "complete/FiniteDomain.hpp"
#include "complete/Trail.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

namespace {
// Runs between two looks at the stop request.
constexpr std::int64_t kRunsPerStopCheck = 64;
constexpr std::size_t kPrefetchAhead = 8;
} // namespace

PropagationQueue::PropagationQueue(Trail& trail) : m_trail(trail), m_ring(64, nullptr) {
    m_trail.SetListener(this);
}

PropagationQueue::~PropagationQueue() {
    Clear();
    m_trail.SetListener(nullptr);
}

void PropagationQueue::Schedule(Constraint* c) {
    if (c->IsQueued()) return;
    if (m_count == m_ring.size()) {
        // Full: unroll the ring into one twice as long.
        std::vector<Constraint*> grown(m_ring.size() * 2, nullptr);
        for (std::size_t k = 0; k < m_count; ++k)
            grown[k] = m_ring[(m_head + k) & (m_ring.size() - 1)];
        m_ring.swap(grown);
        m_head = 0;
    }
    m_ring[(m_head + m_count) & (m_ring.size() - 1)] = c;
    ++m_count;
    c->SetQueued(true);
}

void PropagationQueue::OnChange(Variable* var, DomainEvent event) {
    if (m_running == nullptr) {
        Wake(var, event, nullptr);
        return;
    }
    // The changes of one run wake once per variable when the run is over, by their strongest.
    if (var->m_narrowedIn != m_runStamp) {
        var->m_narrowedIn = m_runStamp;
        var->m_pendingEvent = event;
        m_narrowed.push_back(var);
    } else if (event > var->m_pendingEvent) {
        var->m_pendingEvent = event;
    }
}

void PropagationQueue::Wake(Variable* var, DomainEvent event, const Constraint* cause) {
    // A change wakes the constraints registered for its own strength and for every weaker one,
    // but not one whose other arguments are all bound: the labelling of the last of them left
    // this domain within what the constraint allows, and a narrower domain stays so.
    const bool unbound = !var->IsInstantiated();
    // A watched position still in a domain of several values leaves its constraint asleep.
    const FiniteDomain* domain = unbound && var->HasWatches() ? var->GetFiniteDomain() : nullptr;
    if (domain != nullptr && domain->Count() < 2) domain = nullptr;
    for (int e = static_cast<int>(DomainEvent::Values); e <= static_cast<int>(event); ++e) {
        const std::vector<Variable::Waking>& woken = var->WokenBy(static_cast<DomainEvent>(e));
        const std::size_t n = woken.size();
        for (const Variable::WakeRun& run : var->WakeRuns(static_cast<DomainEvent>(e))) {
            // Pairwise constraints whose other variable is bound are passed over unread.
            if (unbound && run.partner != nullptr && run.partner->IsInstantiated()) continue;
            const std::size_t end = run.first + run.count;
            for (std::size_t k = run.first; k < end; ++k) {
                // Long lists (pairwise constraints) are walked faster with the next ones on the way.
                // Those a watch usually passes over are not fetched.
                if (k + kPrefetchAhead < n && woken[k + kPrefetchAhead].watch < 0)
                    __builtin_prefetch(woken[k + kPrefetchAhead].constraint);
                // A watched position still there spares reading the constraint at all.
                const int watch = woken[k].watch;
                if (watch >= 0 && domain != nullptr && domain->Contains(watch)) continue;
                Constraint* c = woken[k].constraint;
                if (c == cause) continue;
                // A constraint that filters its wakes hears of every change (it notes what it saw).
                if (c->FiltersWakes()) {
                    if (c->IsWokenBy(woken[k].index, event)) Schedule(c);
                    continue;
                }
                if (c->IsQueued() || (unbound && c->OneUnbound())) continue;
                Schedule(c);
            }
        }
    }
}

bool PropagationQueue::Run() {
    while (m_count > 0) {
        if (++m_runs % kRunsPerStopCheck == 0 && m_trail.IsStopRequested()) {
            Clear();
            return true;
        }
        Constraint* c = m_ring[m_head];
        m_head = (m_head + 1) & (m_ring.size() - 1);
        --m_count;
        c->SetQueued(false);
        m_running = c;
        ++m_runStamp;
        m_narrowed.clear();
        const bool holds = c->Propagate();
        m_running = nullptr;
        if (m_explaining && (!holds || !m_narrowed.empty())) {
            Explain(*c);
            for (Variable* x : m_narrowed)
                x->PastSet().InsertAllNew(m_reason, [&](int id) { m_trail.SavePastEntry(x, id); });
        }
        if (!holds) {
            Clear();
            return false;
        }
        for (Variable* x : m_narrowed)
            Wake(x, x->m_pendingEvent, c);
    }
    return true;
}

void PropagationQueue::Clear() {
    while (m_count > 0) {
        m_ring[m_head]->SetQueued(false);
        m_head = (m_head + 1) & (m_ring.size() - 1);
        --m_count;
    }
    m_head = 0;
}

void PropagationQueue::Explain(const Constraint& c) {
    m_reason.Clear();
    for (const Variable* z : c.GetVars()) {
        if (z->IsInstantiated())
            m_reason.Insert(z->GetId());
        else
            z->AddPastTo(m_reason);
    }
}

} // namespace GFCLib
