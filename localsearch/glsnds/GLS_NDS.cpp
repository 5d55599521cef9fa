#include "localsearch/glsnds/GLS_NDS.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/StopReset.hpp"
#include "localsearch/features/Feature.hpp"
#include "localsearch/search/NoGood.hpp"
#include "platform/FatalError.hpp"

#include <cstdint>
#include <sstream>

namespace GLSLib {

GLS_NDS::GLS_NDS() {
    // Numeric features made for this problem ask this engine whether they can still improve.
    m_problem.Values().currentEngine = this;
    m_search.SetStopFlag(&m_stopRequested);
}

void GLS_NDS::SetParameter(int id, int value) {
    m_options.SetSolverParameter(id, value, m_problem.Values());
}

void GLS_NDS::PrepareRuns() {
    m_firstRun = true;
    m_bestCost = INT_MAX;
    m_bestSoftCost = INT_MAX;
    m_bestTotal = INT_MAX;
    m_stopRequested.store(false, std::memory_order_relaxed);
}

std::ostream& GLS_NDS::PrintStatistics(std::ostream& os) {
    return os << m_stats;
}

void GLS_NDS::CheckInvariants(const char* where) {
    if (!m_checkInvariants) return;
    const std::string difference = m_search.CheckInvariants();
    if (!difference.empty()) throw Platform::InternalError(std::string("after ") + where + ": " + difference);
}

void GLS_NDS::InitialiseSearch() {
    // Under delta update every constraint's share is kept in the value table, large ones
    // included, so that the tables stay exact.
    m_search.Setup(m_problem, m_options.GetApproxEvaluation(), m_options.GetDeltaUpdate(), ListMode());
    m_builtApprox = m_options.GetApproxEvaluation();
    m_builtDelta = m_options.GetDeltaUpdate();
}

bool GLS_NDS::Solve() {
    const StopReset stopReset(m_stopRequested);
    const ModelScope scope(m_problem);
    m_problem.Random().Seed(static_cast<std::uint32_t>(m_options.GetSeed()));
    m_search.SetApproximate(m_options.GetApproxEvaluation());
    try {
        if (m_firstRun) {
            if (!m_timerStarted) m_stats.StartTimer();
            m_timerStarted = true;
            for (IntVar* v : m_problem.GetVariables())
                v->SetValueIndex(m_problem.Random().Next() % v->DomainSize());
            InitialiseSearch();
            m_firstRun = false;
        } else {
            m_search.ForgetStored();
            if (m_builtApprox != m_options.GetApproxEvaluation() ||
                m_builtDelta != m_options.GetDeltaUpdate())
                InitialiseSearch();
            else if (m_search.NeedsResync())
                m_search.Resync(ListMode());
        }
    } catch (const SearchTables::Stopped&) {
        // Stopped while the tables were built: the next run builds them from the start.
        m_firstRun = true;
        return false;
    }
    CheckInvariants("the start of a run");
    m_foundThisRun = false;
    ConsiderStoring();
    if (m_problem.GetVariables().empty()) {
        // Nothing can move: the one assignment is a solution once at most.
        m_stats.IncSolutionsFound();
        if (!m_foundThisRun || !Verify()) return false;
        LearnNoGood();
        return true;
    }
    const bool hasObjective = m_problem.HasObjective();
    for (;;) {
        for (;;) {
            if (ListMode())
                MoveListDescent();
            else
                VariableSweep();
            if ((m_options.GetLearning() && hasObjective) || !NothingViolated()) {
                LocalMinimumStep();
                CountStep();
            }
            ConsiderStoring();
            if (!hasObjective && NothingViolated()) break;
            if (Stopping()) break;
        }
        m_stats.IncSolutionsFound();
        if (!m_foundThisRun) return false;
        if (!m_search.StoredIsCurrent()) m_search.RestoreStored();
        if (Verify()) {
            LearnNoGood();
            return true;
        }
        // An assignment that fails verification is no solution: go on searching unless a
        // stop was asked for.
        Report("Invalid solution\n");
        m_search.AdmitViolatedUnconsidered();
        m_search.Resync(ListMode());
        m_search.ForgetStored();
        m_foundThisRun = false;
        if (Stopping()) return false;
    }
}

bool GLS_NDS::Verify() {
    bool valid = true;
    for (Con* c : m_problem.GetConstraints()) {
        c->Initialise();
        if (c->IsHard() && c->IsViolated()) valid = false;
    }
    if (m_problem.HasObjective()) m_problem.GetObjective()->Initialise();
    return valid;
}

void GLS_NDS::ConsiderStoring() {
    if (!m_search.HardFeasible()) return;
    const bool ranked = m_problem.HasObjective() || m_problem.HasSoftConstraints();
    const int cost = m_search.CurrentCost();
    if (m_foundThisRun && !(ranked && cost < m_search.StoredCost())) return;
    m_search.Store();
    m_foundThisRun = true;
    m_bestCost = ranked ? cost : -1;
    m_bestSoftCost = m_search.StoredSoftCost();
    if (m_problem.HasObjective()) m_stats.SetBestCost(m_problem.GetObjective()->GetObjectiveValue());
    if (ranked && cost < m_bestTotal) {
        m_bestTotal = cost;
        if (m_onNewBest) m_onNewBest(m_bestTotal);
    }
}

void GLS_NDS::MoveListDescent() {
    int sideways = 0;
    const bool hasObjective = m_problem.HasObjective();
    for (;;) {
        const DownwardsList& down = m_search.Downwards();
        const SidewaysList& side = m_search.Sideways();
        const bool sidewaysRemain = sideways < 2 && !side.Empty();
        // The stop request is honoured at every move: a long run of moves must not outlast it.
        if (Stopping()) break;
        if (!sidewaysRemain && (down.Empty() || (!hasObjective && NothingViolated()))) break;
        m_stats.IncMoves();
        if (down.Empty()) {
            const Move m = side.Element(m_problem.Random().Next() % side.Size());
            m_search.MakeMove(m.var, m.value);
            ++sideways;
            m_stats.IncSideways();
        } else {
            const Move m = down.Element(m_problem.Random().Next() % down.Size());
            m_search.MakeMove(m.var, m.value);
            m_stats.IncDownwards();
        }
        m_search.RefreshMoveLists();
        ConsiderStoring();
        const auto count = static_cast<std::uint32_t>(m_search.Violated().Count());
        if (count < m_stats.GetBestViolation()) m_stats.SetBestViolation(count);
        CountStep();
        CheckInvariants("a move of the move-list descent");
    }
}

void GLS_NDS::VariableSweep() {
    std::vector<IntVar*> candidates = m_problem.GetVariables();
    std::size_t taken = 0;
    const bool hasObjective = m_problem.HasObjective();
    while (taken < candidates.size()) {
        if ((!hasObjective && NothingViolated()) || Stopping()) break;
        const auto r = static_cast<std::size_t>(m_problem.Random().Next()) % candidates.size();
        IntVar* x = candidates[r];
        candidates[r] = candidates.back();
        candidates.pop_back();
        (void)VariableStep(x);
        ++taken;
        const auto hard = static_cast<std::uint32_t>(m_search.Violated().HardCount());
        if (hard < m_stats.GetBestViolation()) m_stats.SetBestViolation(hard);
        ConsiderStoring();
        CountStep();
        CheckInvariants("a variable step");
    }
}

bool GLS_NDS::VariableStep(IntVar* x) {
    m_stats.IncMoves();
    const int cur = x->GetValueIndex();
    const int size = x->DomainSize();
    std::vector<int> candidates;
    candidates.reserve(static_cast<unsigned>(size));
    for (int k = 0; k < size; ++k)
        if (k != cur) candidates.push_back(k);
    std::vector<int> equal{cur};
    const bool hasObjective = m_problem.HasObjective();
    int tried = 0;
    while (size > 1 && tried < size - 1) {
        if ((!hasObjective && NothingViolated()) || Stopping()) break;
        const auto r = static_cast<std::size_t>(m_problem.Random().Next()) % candidates.size();
        const int k = candidates[r];
        candidates[r] = candidates.back();
        candidates.pop_back();
        ++tried;
        const Score score = m_search.CandidateCost(x, k);
        const Score current = m_search.VariableScore(x);
        if (score > current) continue;
        if (score == current) {
            equal.push_back(k);
            continue;
        }
        (void)TryMove(x, k);
        m_stats.IncDownwards();
        return x->GetValueIndex() != cur;
    }
    const auto r = static_cast<std::size_t>(m_problem.Random().Next()) % equal.size();
    (void)TryMove(x, equal[r]);
    m_stats.IncSideways();
    return x->GetValueIndex() != cur;
}

bool GLS_NDS::TryMove(IntVar* x, int k) {
    const Score score = m_search.CandidateCost(x, k);
    if (score > m_search.VariableScore(x)) return false;
    m_search.MakeMove(x, k);
    if (NothingViolated()) m_search.AdmitViolatedUnconsidered();
    m_search.RefreshMoveLists();
    return true;
}

void GLS_NDS::LocalMinimumStep() {
    m_stats.IncLocalMinima();
    for (int id : m_search.FeaturesOfMaximalUtility()) {
        m_search.RaisePenalty(id);
        m_stats.IncPenaltyChanges();
    }
    m_search.RefreshMoveLists();
    CheckInvariants("a local-minimum step");
}

void GLS_NDS::LearnNoGood() {
    NoGood* ng = NoGood::ForbidCurrent(m_problem.GetVariables());
    // A no-good counts as small whatever its size: its share is always in the value table.
    m_search.EnterLearnedConstraint(ng, true);
    m_search.RefreshMoveLists();
    CheckInvariants("a no-good was learnt");
}

} // namespace GLSLib
