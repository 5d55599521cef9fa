#include "localsearch/tabu/TabuLocalSearch2.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/search/NoGood.hpp"

#include <algorithm>
#include <sstream>
#include <utility>

namespace GLSLib {

void TabuLocalSearch2::Initialise(GLSCSP& problem, bool approximate) {
    m_labels.RandomAssignment(problem);
    // Only the small constraints are tabulated: a move then re-evaluates no large constraint
    // once per value of each of its variables. The move lists are kept for the shared checks.
    Setup(problem, approximate, false, true);
    m_bestValues.assign(problem.GetVariables().size(), 0);
    m_candidates.Initialise(m_index.NumVariableRows(), 0);
    RebuildCandidates(true);
    m_initialised = true;
}

void TabuLocalSearch2::BuildTabuTable() {
    // One mark per value of each variable: rows as long as the variable's own domain.
    m_tabuUntil.assign(static_cast<unsigned>(m_index.NumVariableRows()), {});
    for (IntVar* x : m_problem->GetVariables()) {
        StopIfAskedOnLargeProblem();
        m_tabuUntil[static_cast<unsigned>(x->GetId())].assign(static_cast<unsigned>(x->DomainSize()), 0);
    }
    ModelValues& settings = m_problem->Values();
    if (settings.tabuTenureBase > settings.tabuTenureRange)
        std::swap(settings.tabuTenureBase, settings.tabuTenureRange);
}

void TabuLocalSearch2::RebuildCandidates(bool stoppable) {
    for (IntVar* x : m_problem->GetVariables()) {
        if (stoppable) StopIfAskedOnLargeProblem();
        m_candidates.Rebuild(x->GetId(), m_pinputs.Row(x->GetId()), x->GetValueIndex(), nullptr, 0);
    }
}

bool TabuLocalSearch2::ChooseMove(Move& move) {
    const std::vector<IntVar*>& vars = m_problem->GetVariables();
    std::vector<int> pool;
    pool.reserve(vars.size());
    for (int round = 0; round < 2; ++round) {
        pool.clear();
        for (int i = 0; i < static_cast<int>(vars.size()); ++i)
            pool.push_back(i);
        bool any = false;
        while (!pool.empty()) {
            const auto i =
                static_cast<unsigned>(m_problem->Random().Next()) % static_cast<unsigned>(pool.size());
            IntVar* x = vars[static_cast<unsigned>(pool[i])];
            pool[i] = pool.back();
            pool.pop_back();
            const std::vector<int>& list = m_candidates.Candidates(x->GetId());
            if (list.empty()) continue;
            const int k =
                list[static_cast<unsigned>(m_problem->Random().Next()) % static_cast<unsigned>(list.size())];
            move = {x, k};
            any = true;
            if (m_pinputs.Get(x->GetId(), k) < m_varsInputs.Get(x->GetId())) return true;
        }
        if (any) return true;
        // Every other value of every variable is tabu: forget the marks and look again.
        for (std::vector<std::uint64_t>& row : m_tabuUntil)
            std::fill(row.begin(), row.end(), 0);
        RebuildCandidates();
    }
    return false;
}

bool TabuLocalSearch2::Step(std::uint64_t t) {
    Move move;
    if (!ChooseMove(move)) return false;
    const ModelValues& settings = m_problem->Values();
    const std::int64_t tenure =
        static_cast<std::int64_t>(settings.tabuTenureBase) +
        static_cast<unsigned>(m_problem->Random().Next()) % static_cast<unsigned>(settings.tabuTenureRange);
    const std::int64_t until = static_cast<std::int64_t>(t) + tenure;
    m_tabuUntil[static_cast<unsigned>(move.var->GetId())][static_cast<unsigned>(move.value)] =
        until > 0 ? static_cast<std::uint64_t>(until) : 0;
    MakeMove(move.var, move.value);
    if (m_violated.Empty()) AdmitViolatedUnconsidered();
    UpdateAffected(t);
    return true;
}

void TabuLocalSearch2::UpdateAffected(std::uint64_t t) {
    for (IntVar* x : m_affected) {
        const int id = x->GetId();
        m_candidates.Rebuild(id, m_pinputs.Row(id), x->GetValueIndex(),
                             &m_tabuUntil[static_cast<unsigned>(id)], t);
    }
    RefreshMoveLists();
}

int TabuLocalSearch2::SoftCost() {
    std::int64_t cost = m_violated.SoftWeight();
    for (Con* c : m_unconsidered.Cons()) {
        if (c->IsHard()) continue;
        c->Initialise();
        if (c->IsViolated()) cost += c->GetWeight();
    }
    return cost > INT_MAX ? INT_MAX : static_cast<int>(cost);
}

int TabuLocalSearch2::ObjectiveValue() const {
    const Minimise* objective = m_problem->GetObjective();
    return objective != nullptr ? objective->GetObjectiveValue() : 0;
}

void TabuLocalSearch2::StoreBest() {
    m_bestObjective = ObjectiveValue();
    m_bestSoftCost = SoftCost();
    const std::vector<IntVar*>& vars = m_problem->GetVariables();
    m_bestValues.resize(vars.size());
    for (std::size_t i = 0; i < vars.size(); ++i)
        m_bestValues[i] = vars[i]->GetValueIndex();
}

void TabuLocalSearch2::RestoreBest() {
    RestoreAssignment(m_bestValues, true);
    RebuildCandidates();
}

void TabuLocalSearch2::ForbidCurrent() {
    NoGood* noGood = NoGood::ForbidCurrent(m_problem->GetVariables());
    EnterLearnedConstraint(noGood, UpdateCons::IsSmall(noGood));
    RefreshMoveLists();
    RebuildCandidates();
}

std::string TabuLocalSearch2::CheckInvariants() {
    std::string shared = SearchTables::CheckInvariants();
    if (!shared.empty()) return shared;
    if (m_tabuUntil.size() != static_cast<unsigned>(m_index.NumVariableRows()))
        return "tabu table has " + std::to_string(m_tabuUntil.size()) + " rows";
    for (IntVar* x : m_problem->GetVariables())
        if (m_tabuUntil[static_cast<unsigned>(x->GetId())].size() != static_cast<unsigned>(x->DomainSize()))
            return "tabu table row of the wrong width";
    for (IntVar* x : m_problem->GetVariables()) {
        const int id = x->GetId();
        const std::uint64_t stamp = m_candidates.Stamp(id);
        const std::vector<int> expected =
            TabuVarsInputs::Expected(m_pinputs.Row(id), x->GetValueIndex(),
                                     stamp > 0 ? &m_tabuUntil[static_cast<unsigned>(id)] : nullptr, stamp);
        if (expected != m_candidates.Candidates(id)) {
            std::ostringstream out;
            out << "candidate list of " << x->GetName() << " differs from its recomputation";
            return out.str();
        }
    }
    return "";
}

} // namespace GLSLib
