#include "complete/GFC.hpp"

#include "complete/CSP.hpp"
#include "complete/Constraint.hpp"
#include "complete/GFCStats.hpp"
#include "complete/GFCVar.hpp"
#include "complete/IntVar.hpp"
#include "complete/Variable.hpp"
#include "complete/constraints/Minimise.hpp"
#include "complete/induced/InducedVar.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <unordered_set>

namespace GFCLib {

namespace {
// How far ahead the walks over a variable's constraints fetch the next ones.
constexpr std::size_t kPrefetchAhead = 8;
} // namespace

GFC::GFC(CSP* problem, GFCStats* stats, bool flag) : m_stats(stats), m_problem(problem), m_flag(flag) {
    m_trail.SetStopFlag(&m_stopRequest);
    if (m_stats != nullptr) m_stats->StopClock();
}

bool GFC::SetUp() {
    // A million variables take a good part of a second here.
    std::size_t item = 0;
    for (Variable* v : m_problem->GetInducedVariables()) {
        if (StopDue(item)) return false;
        if (auto* induced = dynamic_cast<InducedVar*>(v)) induced->AttachDefinition();
    }
    m_records.reserve(m_problem->GetVariables().size() + m_problem->GetInducedVariables().size());
    const auto addRecord = [this](Variable* v) {
        if (v == nullptr) return;
        m_records.emplace_back(v);
        // A level left over from an earlier search over these variables must not be blamed.
        v->SetLevel(-1);
    };
    for (Variable* v : m_problem->GetVariables()) {
        if (StopDue(item)) return false;
        addRecord(v);
    }
    for (Variable* v : m_problem->GetInducedVariables()) {
        if (StopDue(item)) return false;
        addRecord(v);
    }
    // Every domain the search can narrow saves its changes on the trail: the records' own, and
    // those of any variable their constraints reach.
    std::unordered_set<Variable*> trailed;
    std::unordered_set<const Constraint*> seen;
    const auto trail = [&](Variable* v) {
        if (v != nullptr && trailed.insert(v).second) {
            v->AttachTrail(&m_trail);
            m_trailed.push_back(v);
        }
    };
    for (const auto& record : m_records) {
        if (StopDue(item)) return false;
        trail(record.GetVariable());
        for (const Constraint* c : record.GetVariable()->GetConstraints())
            if (seen.insert(c).second)
                for (Variable* v : c->GetVars())
                    trail(v);
    }
    if (Minimise* objective = m_problem->GetObjective(); objective != nullptr)
        for (Variable* v : objective->GetVars())
            trail(v);
    if (!m_smallest.Reset(m_problem->GetVariables(), &m_stopRequest)) return false;
    const std::size_t n = m_records.size();
    m_order.assign(n, -1);
    m_levelMark.assign(n + 1, 0);
    m_levelCount.assign(n + 1, 0);
    if (m_stats != nullptr)
        for (const auto& record : m_records) {
            if (StopDue(item)) return false;
            m_stats->AppendInitialDomainSize(record.GetInitialDomainSize());
        }
    m_setUp = true;
    return true;
}

GFC::~GFC() {
    for (Variable* v : m_trailed)
        v->AttachTrail(nullptr);
}

void GFC::SetParameter(int id, int value) {
    switch (id) {
    case 1: {
        const char* name = nullptr;
        switch (value) {
        case 0:
            m_chooser = NaturalOrdering;
            name = "Natural Ordering";
            break;
        case 1:
            m_chooser = RandomOrdering;
            name = "Random Ordering";
            break;
        case 2:
            m_chooser = SmallestDomainOrdering;
            name = "Smallest Domain";
            break;
        default:
            throw Platform::ParameterError("Invalid Variable Ordering Heuristic Parameter\n");
        }
        if (m_stats != nullptr) m_stats->SetOrderingName(name);
        break;
    }
    case 2:
        m_thrashingFactor = value;
        break;
    case 3:
        if (value != 0 && value != 1) throw Platform::ParameterError("Invalid backtrack type!");
        m_backjumping = value == 1;
        break;
    default:
        if (id < 4 || id > 15) throw Platform::ParameterError("Invalid Parameter\n");
        break;
    }
}

void GFC::SetStepHook(std::int64_t every, std::function<void()> hook) {
    m_hookEvery = hook ? std::max<std::int64_t>(every, 0) : 0;
    m_hook = m_hookEvery > 0 ? std::move(hook) : nullptr;
}

const Value& GFC::GetObjectiveBound() const {
    Minimise* objective = m_problem->GetObjective();
    if (objective == nullptr) throw Platform::InternalError("The problem has no objective");
    return objective->GetBound();
}

GFCVar& GFC::RecordAt(int level) {
    return m_records[static_cast<std::size_t>(m_order[static_cast<std::size_t>(level)])];
}

int GFC::Choose(int level) {
    const int n = static_cast<int>(m_records.size());
    if (m_indexing) m_smallest.TrimLog();
    // Natural ordering labels the lists in order, so the first free variable is the one at the
    // level's own position; smallest domain does so too once every decision variable is bound.
    // Answer those in O(1) instead of rescanning the lists at every level.
    const bool inOrder =
        m_chooser == NaturalOrdering ||
        (m_chooser == SmallestDomainOrdering && level >= static_cast<int>(m_problem->GetVariables().size()));
    if (inOrder && level >= 0 && level < n &&
        !m_records[static_cast<std::size_t>(level)].GetVariable()->IsInstantiated() &&
        (level == 0 || m_order[static_cast<std::size_t>(level) - 1] == level - 1))
        return level;
    int position = -1;
    if (m_indexing) {
        // The same answer as SmallestDomainOrdering without reading every decision variable.
        position = m_smallest.Choose();
        if (position < 0) position = FirstFreeInduced(m_problem, level);
    } else {
        position = m_chooser(m_problem, level, false, m_random);
    }
    if (position >= 0 && position < n &&
        !m_records[static_cast<std::size_t>(position)].GetVariable()->IsInstantiated())
        return position;
    // A chooser that found nothing usable: take the first free record.
    for (int p = 0; p < n; ++p)
        if (!m_records[static_cast<std::size_t>(p)].GetVariable()->IsInstantiated()) return p;
    return -1;
}

bool GFC::Prepare() {
    for (Constraint* c : m_problem->GetConstraints()) {
        if (IsStopRequested()) return false;
        if (c != nullptr && !c->Preprocess()) return false;
    }
    std::size_t item = 0;
    for (Variable* v : m_problem->GetInducedVariables()) {
        if (StopDue(item)) return false;
        auto* induced = dynamic_cast<InducedVar*>(v);
        if (induced != nullptr && induced->GetDefinition() != nullptr &&
            !induced->GetDefinition()->Preprocess())
            return false;
    }
    if (Minimise* objective = m_problem->GetObjective(); objective != nullptr && !objective->Preprocess())
        return false;
    // What the constraints imply together before anything is labelled.
    const auto schedule = [this](Constraint* c) {
        if (c != nullptr && c->IsPropagator() && c->PropagatesBeforeSearch()) m_queue.Schedule(c);
    };
    for (Constraint* c : m_problem->GetConstraints())
        schedule(c);
    for (Variable* v : m_problem->GetInducedVariables())
        if (auto* induced = dynamic_cast<InducedVar*>(v); induced != nullptr)
            schedule(induced->GetDefinition());
    if (!m_queue.Run() || IsStopRequested()) return false;
    for (const auto& record : m_records)
        if (StopDue(item) || !record.GetVariable()->HasValues()) return false;
    return true;
}

bool GFC::FindNextSolution() {
    m_queue.SetExplaining(m_backjumping);
    if (m_backjumping) {
        m_chooser = NaturalOrdering;
        if (m_stats != nullptr) m_stats->SetOrderingName("Natural Ordering");
    }
    // A stopped search stays stopped.
    if (m_exhausted || m_stop) return false;
    if (!m_setUp && !SetUp()) {
        // Only a stop request cuts the set-up short.
        m_stop = true;
        return false;
    }
    // The index follows the changes only while it is in use: when it comes into use it reads
    // every variable again.
    const bool indexing = m_chooser == SmallestDomainOrdering && m_smallest.IsUsable();
    if (indexing && !m_indexing) {
        m_smallest.Invalidate();
        m_smallest.Log().clear();
    }
    m_indexing = indexing;
    m_trail.SetChangeLog(m_indexing ? &m_smallest.Log() : nullptr);
    const int n = static_cast<int>(m_records.size());
    Minimise* objective = m_problem->GetObjective();
    bool forward = true;
    if (m_firstCall) {
        m_firstCall = false;
        if (m_stats != nullptr) m_stats->StartClock();
        if (!Prepare()) {
            // A stopped preparation proves nothing, but the search stays stopped.
            if (IsStopRequested())
                m_stop = true;
            else
                m_exhausted = true;
            CountPropagations();
            if (m_stats != nullptr) m_stats->StopClock();
            return false;
        }
        if (n > 0) {
            m_depth = 0;
            m_order[0] = Choose(0);
        }
        for (int i = 0; i <= n; ++i) {
            m_levelMark[static_cast<std::size_t>(i)] = i;
            m_levelCount[static_cast<std::size_t>(i)] = 0;
        }
        m_started = true;
    } else {
        if (objective != nullptr) return false;
        // Every level above a solution took part in it, so none may be jumped over later.
        MarkSolutionConflicts();
        forward = false;
        m_depth -= 1;
    }
    m_conflictUnion.Clear();
    m_scratch.Clear();
    m_jumpTarget = m_depth >= 0 && m_depth < n ? m_depth - 1 : -1;

    while (!m_stop && m_depth >= 0 && m_depth < n) {
        ++m_steps;
        if (m_hookEvery > 0 && m_steps % m_hookEvery == 0) m_hook();
        if (m_stopRequest.load(std::memory_order_relaxed)) m_stop = true;
        if (forward) {
            if (!Step()) {
                HandleFailedLevel();
                forward = false;
            }
        } else {
            forward = Backtrack();
        }
        if (m_depth == n) {
            m_solved = true;
            if (objective == nullptr) {
                CountPropagations();
                if (m_stats != nullptr) {
                    m_stats->CountSolution();
                    m_stats->StopClock();
                }
                return true;
            }
            RecordBest();
            forward = false;
            m_depth -= 1;
        }
    }
    CountPropagations();
    if (m_stats != nullptr) m_stats->StopClock();
    // A stop asked for within the last step may have ended the loop by failing it: the search
    // was stopped, not exhausted.
    if (IsStopRequested()) m_stop = true;
    if (!m_stop) m_exhausted = true;
    if (objective != nullptr && m_hasBest) {
        m_solved = true;
        m_exhausted = true;
        for (std::size_t i = 0; i < m_records.size(); ++i)
            m_records[i].GetVariable()->SetValue(m_best[i]);
        if (m_stats != nullptr) m_stats->CountSolution();
        return true;
    }
    return false;
}

void GFC::RecordBest() {
    Minimise* objective = m_problem->GetObjective();
    Variable* target = objective->GetObjectiveVar();
    if (!objective->Improve()) return;
    m_hasBest = true;
    m_best.resize(m_records.size());
    for (std::size_t i = 0; i < m_records.size(); ++i)
        m_best[i] = m_records[i].GetVariable()->GetCurrentValue();
    // Later solutions must beat this one: cut the objective's domain, and every state of it saved
    // on the trail, so that undoing levels never brings worse values back.
    (void)target;
    objective->Cut(m_trail);
}

void GFC::MarkSolutionConflicts() {
    if (!m_backjumping) return;
    m_scratch.Clear();
    for (int level = 0; level < static_cast<int>(m_records.size()) && level <= m_depth; ++level) {
        Variable* v = RecordAt(level).GetVariable();
        v->ConflictSet().InsertAll(m_scratch);
        m_scratch.Insert(v->GetId());
    }
    m_scratch.Clear();
}

bool GFC::Step() {
    const int position = m_order[static_cast<std::size_t>(m_depth)];
    if (position < 0) return false;
    GFCVar& record = m_records[static_cast<std::size_t>(position)];
    Variable* v = record.GetVariable();
    if (record.NeedsSave()) {
        record.Save();
        m_trail.PushLevel();
        v->ConflictSet().Clear();
    }
    NotifyInstantiate(v);
    bool labelled = false;
    // A level may try very many values, each failing at once: the stop request is read for each.
    while (!IsStopRequested() && v->NextValue()) {
        v->SetLevel(m_depth);
        if (ForwardCheck(v)) {
            labelled = true;
            break;
        }
        UndoForwardCheck(record);
        v->Unassign();
    }
    if (!labelled) return false;
    m_started = false;
    m_lastLabelled = v->GetId();
    ++m_depth;
    if (m_depth < static_cast<int>(m_records.size()))
        m_order[static_cast<std::size_t>(m_depth)] = Choose(m_depth);
    if (m_stats != nullptr) {
        if (v->IsInduced())
            m_stats->CountInducedNode();
        else
            m_stats->CountNode();
    }
    return true;
}

bool GFC::ForwardCheck(Variable* v) {
    const int id = v->GetId();
    const auto& constraints = v->GetConstraints();
    const std::size_t count = constraints.size();
    for (std::size_t k = 0; k < count; ++k) {
        // A variable of many pairwise constraints reads them faster with the next ones on the way.
        if (k + kPrefetchAhead < count) __builtin_prefetch(constraints[k + kPrefetchAhead]);
        Constraint* c = constraints[k];
        if (c->PropagatesOnLabellingCached()) {
            m_queue.Schedule(c);
        } else if (c->IsReadyToForwardCheck() && !c->ForwardCheck()) {
            if (m_backjumping) c->RecordConflict(id);
            m_queue.Clear();
            return false;
        }
        if (c->NeedsFullCheck() && c->ChecksWhenBoundCached() && c->IsReadyToCheck() && !c->IsSatisfied()) {
            m_queue.Clear();
            return false;
        }
        if (m_backjumping) c->RecordPast(id);
    }
    if (m_queue.Run() && ObjectiveCanImprove()) return true;
    m_queue.Clear();
    if (m_backjumping) {
        // The labellings that narrowed the failed constraint's domains share the blame.
        v->ConflictSet().InsertAll(m_queue.FailureReason());
        v->ConflictSet().Erase(id);
    }
    return false;
}

bool GFC::ObjectiveCanImprove() {
    Minimise* objective = m_problem->GetObjective();
    IntVar* target = objective != nullptr ? objective->GetObjectiveVar() : nullptr;
    if (target == nullptr || !objective->HasSolution()) return true;
    if (target->HasValues() && (!target->IsInstantiated() || objective->IsSatisfied())) return true;
    // Everything below a node whose objective is bound, or has no value left under the bound,
    // is no better than the best solution: each such node fails until the search is back above.
    if (m_backjumping) {
        if (target->IsInstantiated())
            m_queue.SetFailureReason(target->GetId());
        else
            m_queue.SetFailureReason(target->PastSet());
    }
    return false;
}

void GFC::CountPropagations() {
    if (m_stats != nullptr) m_stats->CountPropagations(m_queue.GetRuns() - m_propagationsCounted);
    m_propagationsCounted = m_queue.GetRuns();
}

void GFC::NotifyInstantiate(Variable* v) {
    if (m_indexing) m_smallest.Log().push_back(v);
    const auto& constraints = v->GetConstraints();
    for (std::size_t k = 0; k < constraints.size(); ++k) {
        if (k + kPrefetchAhead < constraints.size()) __builtin_prefetch(constraints[k + kPrefetchAhead]);
        constraints[k]->OnInstantiate(v);
    }
}

void GFC::NotifyUninstantiate(Variable* v) {
    if (m_indexing) m_smallest.Log().push_back(v);
    const auto& constraints = v->GetConstraints();
    for (std::size_t k = 0; k < constraints.size(); ++k) {
        if (k + kPrefetchAhead < constraints.size()) __builtin_prefetch(constraints[k + kPrefetchAhead]);
        constraints[k]->OnUninstantiate(v);
    }
}

void GFC::HandleFailedLevel() {
    if (m_order[static_cast<std::size_t>(m_depth)] < 0) {
        // No variable could be chosen for this level (cannot happen while one is free).
        m_depth -= 1;
        return;
    }
    // The step already undid its own forward checking; the variable is unbound again.
    NotifyUninstantiate(RecordAt(m_depth).GetVariable());
    LeaveLevel(m_backjumping);
    ThrashingCheck();
}

void GFC::LeaveLevel(bool jump) {
    GFCVar& record = RecordAt(m_depth);
    Variable* v = record.GetVariable();
    m_conflictUnion.Clear();
    m_scratch.Clear();
    if (m_backjumping) {
        m_conflictUnion.InsertAll(v->ConflictSet());
        v->AddPastTo(m_scratch);
        record.EraseFromNeighbours();
        m_conflictUnion.InsertAll(m_scratch);
    }
    // The deepest level among the blamed variables (by their recorded levels, not their ids).
    // Only the variable labelled at a level holds that level, so walking the levels downwards
    // finds the deepest blamed one after a few steps, where visiting every blamed id (most of
    // them labelled, each a chain of lookups) cost about a third of an exhaustive search.
    m_jumpTarget = m_depth - 1;
    if (!m_conflictUnion.Empty()) {
        for (int level = m_depth - 1; level >= 0; --level) {
            if (m_order[static_cast<std::size_t>(level)] < 0) continue;
            const Variable* labelled = RecordAt(level).GetVariable();
            if (labelled->GetLevel() == level && m_conflictUnion.Contains(labelled->GetId())) {
                m_jumpTarget = level;
                break;
            }
        }
    }
    record.RestoreVariable();
    m_trail.PopLevel();
    record.MarkNeedsSave();
    v->SetLevel(-1);
    m_depth -= 1;
    if (!m_backjumping) return;
    if (jump) {
        while (m_depth > m_jumpTarget) {
            if (m_stats != nullptr) m_stats->CountBacktrack();
            GFCVar& skipped = RecordAt(m_depth);
            Variable* y = skipped.GetVariable();
            UndoForwardCheck(skipped);
            y->Unassign();
            NotifyUninstantiate(y);
            skipped.EraseFromNeighbours();
            skipped.RestoreVariable();
            m_trail.PopLevel();
            skipped.MarkNeedsSave();
            y->SetLevel(-1);
            m_depth -= 1;
        }
    }
    if (m_depth >= 0) {
        // The level resumed inherits the blame, so its own failure later jumps far enough.
        Variable* h = RecordAt(m_depth).GetVariable();
        h->ConflictSet().InsertAll(m_conflictUnion);
        h->ConflictSet().Erase(h->GetId());
    }
}

bool GFC::Backtrack() {
    if (m_stats != nullptr) m_stats->CountBacktrack();
    if (m_depth < 0 || m_order[static_cast<std::size_t>(m_depth)] < 0) {
        m_depth -= 1;
        return false;
    }
    GFCVar& record = RecordAt(m_depth);
    Variable* v = record.GetVariable();
    UndoForwardCheck(record);
    v->Unassign();
    NotifyUninstantiate(v);
    if (v->HasNextValue()) return true;
    if (m_stats != nullptr) m_stats->CountBacktrack();
    LeaveLevel(false);
    return false;
}

void GFC::UndoForwardCheck(GFCVar& record) {
    m_trail.UndoLevel();
    if (m_backjumping) record.EraseFromNeighbours();
}

void GFC::ThrashingCheck() {
    m_lastReached = m_depth;
    const int n = static_cast<int>(m_records.size());
    if (m_depth < 0 || m_depth >= n) return;
    GFCVar& record = RecordAt(m_depth);
    if (record.GetVariable()->GetId() == m_lastLabelled) {
        if (m_stats != nullptr) m_stats->SetDeepest(m_depth);
        return;
    }
    const std::size_t d = static_cast<std::size_t>(m_depth);
    const int mark = m_levelMark[d];
    if (mark > m_depth)
        m_levelCount[d] = 0;
    else if (mark < m_depth)
        m_levelCount[d] = 1;
    else
        m_levelCount[d] += 1;
    m_levelMark[d] = m_depth;
    const float threshold = (static_cast<float>(n - (mark - m_depth)) / static_cast<float>(n)) *
                            static_cast<float>(record.GetInitialDomainSize() * m_thrashingFactor);
    if (m_stats != nullptr) {
        m_stats->SetThreshold(threshold);
        m_stats->SetLevel(m_depth);
        m_stats->SetLevelCount(m_levelCount[d]);
    }
    if (threshold > 0.0f && threshold <= static_cast<float>(m_levelCount[d])) {
        if (m_stats != nullptr) m_stats->SetThrashingDetected();
        m_stopRequest.store(true, std::memory_order_relaxed);
    }
}

} // namespace GFCLib
