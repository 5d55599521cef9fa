#include "localsearch/gls/GGLS_ND.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/Con.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/StopReset.hpp"
#include "localsearch/features/Feature.hpp"
#include "localsearch/search/NoGood.hpp"
#include "localsearch/search/UpdateCons.hpp"
#include "platform/FatalError.hpp"

#include <sstream>

namespace GLSLib {

namespace {
// The first line of c's printed form, at most 255 characters.
std::string FirstLine(const Con* c) {
    std::ostringstream os;
    c->PrintTo(os);
    std::string text = os.str();
    text = text.substr(0, text.find('\n'));
    return text.substr(0, 255);
}
} // namespace

GGLS_ND::GGLS_ND() {
    // Numeric features made for this problem ask this engine whether they can still improve.
    m_csp.Values().currentEngine = this;
    m_tables.SetStopFlag(&m_stopRequested);
}

void GGLS_ND::SetParameter(int id, int value) {
    m_options.SetSolverParameter(id, value, m_csp.Values());
}

void GGLS_ND::PrepareRuns() {
    m_firstRun = true;
    m_bestTotal = INT_MAX;
    m_bestCost = INT_MAX;
    m_bestSoftCost = INT_MAX;
    m_stopRequested.store(false, std::memory_order_relaxed);
}

std::ostream& GGLS_ND::PrintStatistics(std::ostream& os) {
    return os << m_stats;
}

bool GGLS_ND::CanImprove(Con* c) {
    if (m_firstRun) return true;
    return m_tables.CanImprove(c);
}

void GGLS_ND::CheckInvariants(const char* where) {
    if (!m_checkInvariants) return;
    const std::string difference = m_tables.CheckInvariants();
    if (!difference.empty()) throw Platform::InternalError(std::string("after ") + where + ": " + difference);
}

void GGLS_ND::InitialiseSearch() {
    m_tables.Setup(m_csp, m_options.GetApproxEvaluation(), m_options.GetDeltaUpdate(), ListMode());
    m_builtApprox = m_options.GetApproxEvaluation();
    m_builtDelta = m_options.GetDeltaUpdate();
    m_tablesStale = false;
    if (m_csp.HasObjective() || m_csp.HasSoftConstraints())
        m_bestValues.resize(m_csp.GetVariables().size(), 0);
}

bool GGLS_ND::Solve() {
    const StopReset stopReset(m_stopRequested);
    const ModelScope scope(m_csp);
    m_csp.Random().Seed(static_cast<std::uint32_t>(m_options.GetSeed()));
    try {
        if (m_firstRun) {
            if (!m_timerStarted) m_stats.StartTimer();
            m_timerStarted = true;
            for (IntVar* v : m_csp.GetVariables())
                v->SetValueIndex(m_csp.Random().Next() % v->DomainSize());
            InitialiseSearch();
            m_firstRun = false;
            // The starting assignment may already be the best one: a run that never finds a
            // move must still report it, not an empty cost.
            RecordBest();
        } else if (m_builtApprox != m_options.GetApproxEvaluation() ||
                   m_builtDelta != m_options.GetDeltaUpdate()) {
            InitialiseSearch();
        } else if (m_tablesStale || m_tables.NeedsResync()) {
            m_tables.Resync(ListMode());
            m_tablesStale = false;
        }
    } catch (const SearchTables::Stopped&) {
        // Stopped while the tables were built: the next run builds them from the start.
        m_firstRun = true;
        return false;
    }
    CheckInvariants("the start of a run");
    if (m_csp.GetVariables().empty()) {
        // Nothing can move: the one assignment is a solution once at most.
        if (!NothingViolated() || m_stats.GetSolutionsFound() > 0 || !VerifySolution()) return false;
        m_stats.IncSolutionsFound();
        ForbidSolution();
        return true;
    }
    const bool hasObjective = m_csp.HasObjective();
    for (;;) {
        for (;;) {
            if (!hasObjective && NothingViolated()) break;
            if (Stopping()) break;
            if (ListMode())
                ListStep();
            else
                SweepStep();
            if ((m_options.GetLearning() && hasObjective) || !NothingViolated()) {
                PenaliseLocalMinimum();
                CountStep();
                CheckInvariants("a penalty step");
            }
        }
        if ((hasObjective || (m_csp.HasSoftConstraints() && !NothingViolated())) && m_bestCost < INT_MAX &&
            m_stats.GetSolutionsFound() == 0) {
            m_tables.RestoreAssignment(m_bestValues, ListMode());
            if (VerifySolution()) return true;
        } else if (NothingViolated()) {
            if (VerifySolution()) {
                m_stats.IncSolutionsFound();
                ForbidSolution();
                return true;
            }
        } else {
            return false;
        }
        // An assignment that fails verification is not a solution: bring every violated
        // constraint into the search and go on, unless a stop was asked for.
        Report("Invalid solution\n");
        m_tables.AdmitViolatedUnconsidered();
        m_tables.Resync(ListMode());
        if (Stopping()) return false;
    }
}

bool GGLS_ND::VerifySolution() {
    bool valid = true;
    for (Con* c : m_csp.GetConstraints()) {
        c->Initialise();
        if (valid && c->IsHard() && c->IsViolated()) {
            std::string text = FirstLine(c) + " is violated in bad solution\n";
            if (text.size() > 255) text = text.substr(0, 254) + "\n";
            Report(text);
            valid = false;
        }
    }
    if (m_csp.HasObjective()) m_csp.GetObjective()->Initialise();
    return valid;
}

void GGLS_ND::ForbidSolution() {
    NoGood* ng = NoGood::ForbidCurrent(m_csp.GetVariables());
    m_tables.EnterLearnedConstraint(ng, m_options.GetDeltaUpdate() || UpdateCons::IsSmall(ng));
    m_tables.RefreshMoveLists();
    CheckInvariants("a no-good was learnt");
}

void GGLS_ND::RecordBest() {
    const int hard = m_tables.Violated().HardCount();
    if ((m_csp.HasObjective() || m_csp.HasSoftConstraints()) && hard == 0 && m_tables.HardFeasible()) {
        const int objectiveValue = m_csp.HasObjective() ? m_csp.GetObjective()->GetObjectiveValue() : 0;
        const int soft = m_tables.Violated().SoftWeight();
        const std::int64_t total = static_cast<std::int64_t>(soft) + objectiveValue;
        if (total < m_bestCost) {
            m_stats.SetBestCost(objectiveValue);
            m_bestCost = SaturateToInt(total);
            m_bestSoftCost = soft;
            const std::vector<IntVar*>& vars = m_csp.GetVariables();
            m_bestValues.resize(vars.size());
            for (std::size_t i = 0; i < vars.size(); ++i)
                m_bestValues[i] = vars[i]->GetValueIndex();
            m_bestTotal = m_bestCost;
            if (m_onNewBest) m_onNewBest(m_bestTotal);
        }
    }
    if (static_cast<std::uint32_t>(hard) < m_stats.GetBestViolation()) m_stats.SetBestViolation(hard);
}

void GGLS_ND::SweepStep() {
    std::vector<IntVar*> candidates = m_csp.GetVariables();
    std::size_t tried = 0;
    const bool hasObjective = m_csp.HasObjective();
    while (!candidates.empty() && tried < candidates.size() && (hasObjective || !NothingViolated()) &&
           !Stopping()) {
        const auto r = static_cast<std::size_t>(m_csp.Random().Next()) % candidates.size();
        IntVar* v = candidates[r];
        candidates[r] = candidates.back();
        candidates.pop_back();
        (void)ImproveVariable(v);
        ++tried;
        RecordBest();
        CountStep();
        CheckInvariants("a variable of a sweep");
    }
}

bool GGLS_ND::ImproveVariable(IntVar* v) {
    const int cur = v->GetValueIndex();
    const int size = v->DomainSize();
    std::vector<int> equal{cur};
    std::vector<int> values(static_cast<unsigned>(size));
    for (int k = 0; k < size; ++k)
        values[static_cast<unsigned>(k)] = k;
    values[static_cast<unsigned>(cur)] = values.back();
    values.pop_back();
    const bool hasObjective = m_csp.HasObjective();
    if (size > 1) {
        int count = 1;
        for (;;) {
            if ((!hasObjective && NothingViolated()) || Stopping()) break;
            const auto r = static_cast<std::size_t>(m_csp.Random().Next()) % values.size();
            const int k = values[r];
            values[r] = values.back();
            values.pop_back();
            const int verdict = EvaluateMove(v, k);
            if (verdict == 1) {
                equal.push_back(k);
            } else if (verdict == 0) {
                (void)TryMove(v, k);
                return true;
            }
            if (++count >= size) break;
        }
    }
    const auto r = static_cast<std::size_t>(m_csp.Random().Next()) % equal.size();
    (void)TryMove(v, equal[r]);
    return v->GetValueIndex() != cur;
}

int GGLS_ND::EvaluateMove(IntVar* v, int k) {
    const Score cost = m_tables.CandidateCost(v, k);
    const Score current = m_tables.VariableScore(v);
    return cost < current ? 0 : (cost == current ? 1 : 2);
}

bool GGLS_ND::TryMove(IntVar* v, int k) {
    const Score cost = m_tables.CandidateCost(v, k);
    const Score current = m_tables.VariableScore(v);
    if (cost > current) {
        m_stats.IncAttempts();
        return false;
    }
    m_tables.MakeMove(v, k);
    if (cost == current)
        m_stats.IncSideways();
    else
        m_stats.IncDownwards();
    m_stats.IncMoves();
    if (NothingViolated()) m_tables.AdmitViolatedUnconsidered();
    m_tables.RefreshMoveLists();
    return true;
}

void GGLS_ND::ListStep() {
    int sideways = 0;
    const bool hasObjective = m_csp.HasObjective();
    for (;;) {
        const DownwardsList& down = m_tables.Downwards();
        const SidewaysList& side = m_tables.Sideways();
        // The stop request is honoured at every move: a long run of improving moves must not
        // outlast it.
        if (Stopping()) break;
        if (sideways >= 2 || side.Empty()) {
            if (down.Empty() || (!hasObjective && NothingViolated())) break;
        }
        if (!down.Empty()) {
            ApplyMove(down.Element(m_csp.Random().Next() % down.Size()));
            m_stats.IncDownwards();
        } else if (!side.Empty()) {
            ApplyMove(side.Element(m_csp.Random().Next() % side.Size()));
            ++sideways;
            m_stats.IncSideways();
        } else {
            break;
        }
        RecordBest();
        CountStep();
        CheckInvariants("a move of a list step");
    }
}

void GGLS_ND::ApplyMove(Move m) {
    m_stats.IncMoves();
    m_tables.MakeMove(m.var, m.value);
    m_tables.RefreshMoveLists();
}

void GGLS_ND::PenaliseLocalMinimum() {
    m_stats.IncLocalMinima();
    for (int id : m_tables.FeaturesOfMaximalUtility()) {
        m_tables.RaisePenalty(id);
        m_stats.IncPenaltyChanges();
    }
    m_tables.RefreshMoveLists();
}

} // namespace GLSLib
