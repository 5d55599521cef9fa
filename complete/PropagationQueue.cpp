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

void PropagationQueue::OnChange(Variable* var, DomainEvent event, int oldMin, int oldMax, bool inside) {
    const auto note = [&] {
        var->m_pendingEvent = event;
        var->m_pendingMin = oldMin;
        var->m_pendingMax = oldMax;
        var->m_pendingInside = inside;
    };
    if (m_running == nullptr) {
        note();
        Wake(var, nullptr);
        return;
    }
    // The changes of one run wake once per variable when the run is over, by their strongest,
    // from the ends the domain had before the run.
    if (var->m_narrowedIn != m_runStamp) {
        var->m_narrowedIn = m_runStamp;
        note();
        m_narrowed.push_back(var);
    } else {
        if (event > var->m_pendingEvent) var->m_pendingEvent = event;
        var->m_pendingInside = var->m_pendingInside || inside;
    }
}

void PropagationQueue::Wake(Variable* var, const Constraint* cause) {
    // A change wakes the constraints registered for its own strength and for every weaker one,
    // but not one whose other arguments are all bound: the labelling of the last of them left
    // this domain within what the constraint allows, and a narrower domain stays so.
    const DomainEvent event = var->m_pendingEvent;
    const bool unbound = !var->IsInstantiated();
    for (int e = static_cast<int>(DomainEvent::Values); e <= static_cast<int>(event); ++e) {
        const std::vector<Variable::Waking>& woken = var->WokenBy(static_cast<DomainEvent>(e));
        const std::size_t n = woken.size();
        for (const Variable::WakeRun& run : var->WakeRuns(static_cast<DomainEvent>(e))) {
            // Pairwise constraints whose other variable is bound are passed over unread.
            if (unbound && run.partner != nullptr && run.partner->IsInstantiated()) continue;
            const std::size_t end = run.first + run.count;
            for (std::size_t k = run.first; k < end; ++k) {
                // Long lists (pairwise constraints) are walked faster with the next ones on the way.
                if (k + kPrefetchAhead < n) __builtin_prefetch(woken[k + kPrefetchAhead].constraint);
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
    if (var->HasWatches()) WakeWatchers(*var, cause);
}

void PropagationQueue::WakeWatchers(const Variable& var, const Constraint* cause) {
    const std::vector<Variable::Waking>& watchers = var.Watchers();
    const DomainEvent event = var.m_pendingEvent;
    const auto call = [&](const Variable::Waking& w) {
        if (w.constraint != cause && w.constraint->IsWokenBy(w.index, event)) Schedule(w.constraint);
    };
    const FiniteDomain* domain = var.IsInstantiated() ? nullptr : var.GetFiniteDomain();
    if (domain == nullptr || var.m_pendingInside) {
        // Any position may have gone: every watcher of a position not there (all of them when
        // the variable is bound or one value is left).
        const bool all = domain == nullptr || domain->Count() < 2;
        for (const Variable::Waking& w : watchers)
            if (all || !domain->Contains(w.watch)) call(w);
        return;
    }
    // Only the ends moved: the watchers of the positions between the old and the new ends, and
    // of the last value when one is left.
    const int lo = domain->MinIndex();
    const int hi = domain->MaxIndex();
    const std::size_t n = watchers.size();
    std::size_t k = var.FirstWatcherFrom(var.m_pendingMin);
    for (; k < n && watchers[k].watch < lo; ++k)
        call(watchers[k]);
    if (lo == hi)
        for (; k < n && watchers[k].watch == lo; ++k)
            call(watchers[k]);
    if (hi == var.m_pendingMax) return;
    for (k = var.FirstWatcherFrom(hi + 1); k < n && watchers[k].watch <= var.m_pendingMax; ++k)
        call(watchers[k]);
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
            Wake(x, c);
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
