#include "localsearch/search/SearchTables.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/features/Feature.hpp"
#include "localsearch/features/FeatureCon.hpp"
#include "localsearch/features/NoGoodFeature.hpp"
#include "localsearch/features/NumericFeature.hpp"
#include "localsearch/search/IdTable.hpp"
#include "localsearch/search/NoGood.hpp"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>
#include <sstream>

namespace GLSLib {

namespace {
// The change of a constraint's weighted cost that the latest penalty increase made.
int PenaltyDifference(const Con* c, const Feature* f) {
    const double violation = c->GetViolation();
    if (violation == 0.0 || f == nullptr || !f->IsPresent()) return 0;
    return FeatureWrapper::WeightedCost(violation, f, 0) - FeatureWrapper::WeightedCost(violation, f, -1);
}
} // namespace

void SearchTables::Setup(GLSCSP& problem, bool approximate, bool tabulateAll, bool keepMoveLists) {
    // Every table below keeps a cell per value of every variable.
    std::int64_t cells = 0;
    for (IntVar* v : problem.GetVariables())
        cells += v->DomainSize();
    if (cells > kMaxValueCells)
        throw ModelError("Problem too large: local search holds at most " + std::to_string(kMaxValueCells) +
                         " values over all its variables");
    m_large = cells > kStoppableCells;
    m_stopWhileBuilding = m_large;
    struct EndOfBuilding {
        bool& flag;
        ~EndOfBuilding() { flag = false; }
    } endOfBuilding{m_stopWhileBuilding};
    m_problem = &problem;
    m_approximate = approximate;
    m_tabulateAll = tabulateAll;
    m_keepMoveLists = keepMoveLists;
    for (SetVar* s : problem.GetSetVariables())
        s->Initialise();
    m_labels.InitialiseConstraints(problem);
    _ConsWrapper::ComputeHardWeight(problem, m_hardWeightBase);
    m_consWrapper.Build(problem);
    m_updateCons.Initialise(problem, tabulateAll);
    m_consider = ConsiderCons();
    m_consider.Initialise(problem, approximate);
    m_index = _ConIdxInVar();
    m_index.CollectConstraintVariables(problem);
    m_index.CollectObjectiveVariables(problem);
    m_index.BuildLinks(problem);
    // Every variable that a constraint reads must be one the search moves and keeps rows for.
    std::vector<char> inProblem(static_cast<unsigned>(m_index.NumVariableRows()), 0);
    for (IntVar* v : problem.GetVariables())
        inProblem[static_cast<unsigned>(v->GetId())] = 1;
    auto requireKnown = [&](_ConIdxInVar::VarRow vars) {
        for (IntVar* v : vars)
            if (!inProblem[static_cast<unsigned>(v->GetId())])
                throw ModelError(std::string("Variable ") + v->GetName() +
                                 " is used by a constraint but is not a variable of the problem");
    };
    for (Con* c : problem.GetConstraints())
        requireKnown(m_index.VariablesOf(c->GetId()));
    requireKnown(m_index.ObjectiveVariables());
    if (problem.HasObjective()) m_updateCons.Set(problem.GetObjective()->GetId());
    m_unconsidered = UnconsideredCons();
    m_unconsidered.Initialise(problem, false);
    for (Con* c : problem.GetConstraints())
        if (!m_consider.Get(c->GetId())) m_unconsidered.Add(c);
    m_features = FeatureWrapper();
    m_features.Build(problem);
    const auto count = static_cast<unsigned>(Con::GetCount());
    m_watchers.assign(static_cast<unsigned>(m_index.NumVariableRows()), {});
    m_memoryFeature.assign(count, nullptr);
    m_noGoods.assign(count, nullptr);
    for (Con* c : problem.GetConstraints()) {
        WatchMemoryFeatures(c);
        if (auto* ng = dynamic_cast<NoGood*>(c)) m_noGoods[static_cast<unsigned>(c->GetId())] = ng;
    }
    if (problem.HasObjective()) WatchMemoryFeatures(problem.GetObjective());
    m_disequality.assign(count, Disequality{});
    m_isDisequality.assign(count, 0);
    for (Con* c : problem.GetConstraints())
        DetectDisequality(c);
    m_allDifferentSlot.assign(count, -1);
    m_allDifferent.clear();
    for (Con* c : problem.GetConstraints())
        DetectAllDifferent(c);
    m_explicit.assign(static_cast<unsigned>(m_index.NumVariableRows()), {});
    for (Con* c : problem.GetConstraints())
        NoteExplicit(c);
    // The value table and the move lists take a cell per value of every variable: on a large
    // problem merely allocating them takes long, and a stop request ends it.
    const std::function<bool()> stopping = [this] {
        return m_stopWhileBuilding && m_stop != nullptr && m_stop->load(std::memory_order_relaxed);
    };
    m_pinputs = Pinputs();
    if (!m_pinputs.Initialise(problem, stopping)) throw Stopped{};
    m_varsInputs = VarsInputs();
    m_varsInputs.Initialise(problem);
    m_downwards = DownwardsList();
    m_sideways = SidewaysList();
    // No step reads moves that raise the cost: that list stays empty and takes no memory.
    m_upwards = UpwardsList();
    if (!m_downwards.Initialise(problem, stopping) || !m_sideways.Initialise(problem, stopping)) throw Stopped{};
    m_violated = ViolatedCons();
    m_violated.Resize();
    m_affectedMark.assign(static_cast<unsigned>(m_index.NumVariableRows()), 0);
    m_affected.clear();
    ComputeTables();
}

void SearchTables::WatchMemoryFeatures(Con* c) {
    for (int k = 0; k < c->NumConjuncts(); ++k) {
        Con* part = c->GetConjunct(k);
        if (part == nullptr) continue;
        Feature* f = m_features.Get(part->GetId());
        if (f == nullptr ||
            (dynamic_cast<NumericFeature*>(f) == nullptr && dynamic_cast<NoGoodFeature*>(f) == nullptr))
            continue;
        const auto id = static_cast<unsigned>(part->GetId());
        GrowIdTable(m_memoryFeature, id + 1, nullptr);
        m_memoryFeature[id] = f;
        const _ConIdxInVar::VarRow vars = m_index.VariablesOf(part->GetId());
        for (std::size_t i = 0; i < vars.size(); ++i) {
            const auto vid = static_cast<unsigned>(vars[i]->GetId());
            if (m_watchers.size() <= vid) m_watchers.resize(vid + 1);
            m_watchers[vid].push_back({f, static_cast<int>(i)});
        }
    }
}

void SearchTables::ResetCells() {
    m_cellStart.assign(static_cast<unsigned>(Con::GetCount()), kNoCells);
    m_cellCount.assign(static_cast<unsigned>(Con::GetCount()), 0);
    std::size_t rows = 0;
    for (Con* c : m_problem->GetConstraints())
        rows += m_index.VariablesOf(c->GetId()).size();
    m_cellRows.clear();
    m_cellRows.shrink_to_fit();
    m_cellRows.reserve(rows);
    for (Con* c : m_problem->GetConstraints())
        (void)Cells(c->GetId(), 0);
}

void SearchTables::ComputeTables() {
    ResetCells();
    m_builtLambda = m_problem->Values().lambda;
    m_builtObjectiveWeight = m_problem->Values().objectiveWeight;
    for (Con* c : m_problem->GetConstraints())
        if (AllDifferentOf(c->GetId()) != nullptr) CountAllDifferent(c->GetId());
    for (IntVar* x : m_problem->GetVariables()) {
        // Building the tables of a large problem takes long: a stop request ends it. A small
        // one is built whole, so that a run stopped at once still reports its start.
        StopIfAskedWhileBuilding();
        const int id = x->GetId();
        std::vector<Score>& row = m_pinputs.Row(id);
        std::fill(row.begin(), row.end(), 0);
        const int cur = x->GetValueIndex();
        Score score = 0;
        for (const _ConIdxInVar::VarLink& l : m_index.ConstraintsOf(id)) {
            const int cid = l.con->GetId();
            if (!m_consider.Get(cid)) continue;
            const int wc = WeightedCost(l.con);
            score += wc;
            if (!m_updateCons.Get(cid)) continue;
            if (AllDifferentOf(cid) != nullptr) {
                AddAllDifferentRow(cid, l.index, row, +1);
                continue;
            }
            CellRow& cells = Cells(cid, l.index);
            if (IsDisequality(cid)) {
                int cost = 0;
                const int k = DisequalityCell(cid, l.index, cost);
                if (k >= 0 && cost != 0) {
                    row[static_cast<unsigned>(k)] += cost;
                    cells.push_back({k, cost});
                }
                continue;
            }
            for (int k = 0; k < static_cast<int>(row.size()); ++k) {
                const int cost = k == cur ? wc : (PassLink(cid, l.index, x, k), WeightedCost(l.con));
                if (cost == 0) continue;
                row[static_cast<unsigned>(k)] += cost;
                cells.push_back({k, cost});
            }
            PassLink(cid, l.index, x, cur);
        }
        m_varsInputs.Set(id, score);
    }
    m_objectiveTerm.assign(static_cast<unsigned>(m_index.NumVariableRows()), {});
    for (IntVar* w : m_index.ObjectiveVariables())
        m_objectiveTerm[static_cast<unsigned>(w->GetId())].assign(static_cast<unsigned>(w->DomainSize()), 0);
    RefreshObjectiveRows(nullptr);
    m_violated.Clear();
    m_violated.Resize();
    for (Con* c : m_problem->GetConstraints())
        if (m_consider.Get(c->GetId()) && c->IsViolated()) m_violated.Add(c);
    if (m_keepMoveLists) RebuildAllMoveLists();
    for (IntVar* x : m_affected)
        m_affectedMark[static_cast<unsigned>(x->GetId())] = 0;
    m_affected.clear();
}

void SearchTables::Resync(bool keepMoveLists) {
    m_keepMoveLists = keepMoveLists;
    ComputeTables();
}

void SearchTables::RestoreAssignment(const std::vector<int>& valueIndexes, bool keepMoveLists) {
    const std::vector<IntVar*>& vars = m_problem->GetVariables();
    for (std::size_t i = 0; i < vars.size() && i < valueIndexes.size(); ++i)
        vars[i]->SetValueIndex(valueIndexes[i]);
    for (SetVar* s : m_problem->GetSetVariables())
        s->Initialise();
    m_labels.InitialiseConstraints(*m_problem);
    for (IntVar* x : vars)
        for (const auto& [f, i] : m_watchers[static_cast<unsigned>(x->GetId())])
            f->UpdateVariable(i, x->GetValueIndex());
    Resync(keepMoveLists);
}

Score SearchTables::VariableScore(const IntVar* x) const {
    return m_varsInputs.Get(x->GetId());
}

void SearchTables::PassLink(int conId, int i, IntVar* x, int k) {
    // k is always a value index of x here (a loop over its domain or its current index).
    x->SetValueIndexUnchecked(k);
    const int value = x->IntVar::GetValue();
    const _ConIdxInVar::LinkSpan span = m_index.Link(conId, i);
    for (const ExprObj::Dependent* d = span.begin; d != span.end; ++d)
        d->node->Update(d->position, value);
    if (Feature* f = m_memoryFeature[static_cast<unsigned>(conId)]) f->UpdateVariable(i, k);
}

void SearchTables::Commit(IntVar* x, int k) {
    m_labels.AssignConsidered({x, k}, m_consider, m_index);
    for (const auto& [f, i] : m_watchers[static_cast<unsigned>(x->GetId())])
        f->UpdateVariable(i, k);
}

void SearchTables::AddAffected(IntVar* x) {
    char& mark = m_affectedMark[static_cast<unsigned>(x->GetId())];
    if (mark) return;
    mark = 1;
    m_affected.push_back(x);
}

namespace {
// Values this small never leave the int range in the sums and differences below, so the
// recognised disequality is exactly the constraint (which is undefined, and violated, where an
// operator's result would leave the range).
bool Small(int v) {
    return v >= -(1 << 28) && v <= (1 << 28);
}

// e as variable + offset: a variable, or a variable plus or minus a small constant (either
// order for plus). False for anything else.
bool AsShiftedVariable(ExprObj* e, IntVar*& var, int& offset) {
    if (e->IsVariable()) {
        var = static_cast<IntVar*>(e);
        offset = 0;
        return true;
    }
    const bool plus = dynamic_cast<PlusOp*>(e) != nullptr;
    const bool minus = !plus && dynamic_cast<MinusOp*>(e) != nullptr;
    if (!plus && !minus) return false;
    ExprObj* a = e->GetArg(0);
    ExprObj* b = e->GetArg(1);
    if (plus && !a->IsVariable()) std::swap(a, b);
    auto* constant = dynamic_cast<IntVal*>(b);
    if (!a->IsVariable() || constant == nullptr || !Small(constant->GetValue())) return false;
    var = static_cast<IntVar*>(a);
    offset = minus ? WrapNeg(constant->GetValue()) : constant->GetValue();
    return true;
}

// e as the difference of two shifted variables, (x + a) - (y + b): var and offset hold x, a
// and y, b. False for anything else.
bool AsShiftedDifference(ExprObj* e, IntVar* (&var)[2], int (&offset)[2]) {
    return dynamic_cast<MinusOp*>(e) != nullptr && AsShiftedVariable(e->GetArg(0), var[0], offset[0]) &&
           AsShiftedVariable(e->GetArg(1), var[1], offset[1]);
}

// c as var[0] + offset[0] <> var[1] + offset[1]: either side a shifted variable, or one side a
// difference of shifted variables and the other a constant ((x + a) - (y + b) <> k is
// x + a <> y + b + k, also in wrapping arithmetic).
bool AsDisequality(Con* c, IntVar* (&var)[2], int (&offset)[2]) {
    ExprObj* left = c->GetArg(0);
    ExprObj* right = c->GetArg(1);
    if (AsShiftedVariable(left, var[0], offset[0]) && AsShiftedVariable(right, var[1], offset[1]))
        return true;
    if (dynamic_cast<IntVal*>(left) != nullptr) std::swap(left, right);
    auto* constant = dynamic_cast<IntVal*>(right);
    if (constant == nullptr || !Small(constant->GetValue()) || !AsShiftedDifference(left, var, offset))
        return false;
    offset[1] = WrapAdd(offset[1], constant->GetValue());
    return true;
}
} // namespace

void SearchTables::DetectDisequality(Con* c) {
    const int cid = c->GetId();
    if (dynamic_cast<NotEquals*>(c) == nullptr || dynamic_cast<FeatureCon*>(m_features.Get(cid)) == nullptr)
        return;
    Disequality d{};
    if (!AsDisequality(c, d.var, d.offset) || d.var[0] == d.var[1]) return;
    for (const IntVar* v : d.var)
        if (!Small(v->GetMin()) || !Small(v->GetMax())) return;
    const _ConIdxInVar::VarRow row = m_index.VariablesOf(cid);
    if (row.size() != 2) return;
    if (row[0] != d.var[0]) {
        std::swap(d.var[0], d.var[1]);
        std::swap(d.offset[0], d.offset[1]);
    }
    if (row[0] != d.var[0] || row[1] != d.var[1]) return;
    m_disequality[static_cast<unsigned>(cid)] = d;
    m_isDisequality[static_cast<unsigned>(cid)] = 1;
}

int SearchTables::DisequalityCell(int conId, int i, int& cost) const {
    const Disequality& d = m_disequality[static_cast<unsigned>(conId)];
    const IntVar* other = d.var[1 - i];
    // var[i] + offset[i] == other + offset[other] (in wrapping arithmetic, as the operators).
    const int target = WrapSub(WrapAdd(other->IntVar::GetValue(), d.offset[1 - i]), d.offset[i]);
    const int k = d.var[i]->GetDomain()->IndexOf(target);
    if (k < 0) return -1;
    const Feature* f = m_features.Get(conId);
    cost = PenalisedCost(1000.0, f->Lambda(), true, f->GetPenalty());
    return k;
}

void SearchTables::DetectAllDifferent(Con* c) {
    const int cid = c->GetId();
    if (dynamic_cast<AllDifferent*>(c) == nullptr || !m_updateCons.Get(cid) ||
        dynamic_cast<FeatureCon*>(m_features.Get(cid)) == nullptr)
        return;
    const _ConIdxInVar::VarRow vars = m_index.VariablesOf(cid);
    if (vars.size() != c->NumArgs() || vars.empty()) return;
    // Each argument a distinct variable plus a small constant, over small values.
    std::vector<std::pair<IntVar*, int>> args;
    for (unsigned a = 0; a < c->NumArgs(); ++a) {
        IntVar* v = nullptr;
        int offset = 0;
        if (!AsShiftedVariable(c->GetArg(static_cast<int>(a)), v, offset) || !Small(v->GetMin()) ||
            !Small(v->GetMax()))
            return;
        args.emplace_back(v, offset);
    }
    AllDifferentCounts counts;
    std::int64_t low = INT64_MAX, high = INT64_MIN;
    for (IntVar* w : vars) {
        int found = 0;
        for (const auto& [v, offset] : args)
            if (v == w) {
                ++found;
                counts.offset.push_back(offset);
            }
        if (found != 1) return;
        low = std::min<std::int64_t>(low, std::int64_t{w->GetMin()} + counts.offset.back());
        high = std::max<std::int64_t>(high, std::int64_t{w->GetMax()} + counts.offset.back());
    }
    // A count per value of the arguments' range: no more than the tables hold already.
    if (high - low + 1 > kMaxValueCells) return;
    counts.low = static_cast<int>(low);
    counts.count.assign(static_cast<std::size_t>(high - low + 1), 0);
    m_allDifferentSlot[static_cast<unsigned>(cid)] = static_cast<int>(m_allDifferent.size());
    m_allDifferent.push_back(std::move(counts));
}

void SearchTables::CountAllDifferent(int conId) {
    AllDifferentCounts& counts = *AllDifferentOf(conId);
    const _ConIdxInVar::VarRow vars = m_index.VariablesOf(conId);
    std::fill(counts.count.begin(), counts.count.end(), 0);
    counts.duplicates = 0;
    for (std::size_t i = 0; i < vars.size(); ++i) {
        const int u = vars[i]->IntVar::GetValue() + counts.offset[i];
        if (++counts.count[static_cast<unsigned>(u - counts.low)] >= 2) ++counts.duplicates;
    }
}

int SearchTables::AllDifferentCost(const Feature* f, std::int64_t duplicates, int penaltyDelta) {
    // The constraint's violation is 1000 per repeated value; violated, its feature is present.
    if (duplicates <= 0) return 0;
    const int penalty = std::max(0, f->GetPenalty() + penaltyDelta);
    return PenalisedCost(SaturateViolation(1000.0 * static_cast<double>(duplicates)), f->Lambda(), true, penalty);
}

void SearchTables::AddAllDifferentRow(int conId, int i, std::vector<Score>& row, int sign, int penaltyDelta) {
    const AllDifferentCounts& counts = *AllDifferentOf(conId);
    const Feature* f = m_features.Get(conId);
    IntVar* w = m_index.VariablesOf(conId)[static_cast<unsigned>(i)];
    const int offset = counts.offset[static_cast<unsigned>(i)];
    const int cur = w->GetValueIndex();
    // Without w, its own value is repeated no more when another argument holds it too; the
    // cost at another value depends only on whether some other argument holds that one.
    const bool repeated = counts.count[static_cast<unsigned>(w->IntVar::GetValue() + offset - counts.low)] >= 2;
    const std::int64_t without = counts.duplicates - (repeated ? 1 : 0);
    const Score free = sign * Score{AllDifferentCost(f, without, penaltyDelta)};
    const Score held = sign * Score{AllDifferentCost(f, without + 1, penaltyDelta)};
    const IntDom* domain = w->GetDomain();
    const int size = static_cast<int>(row.size());
    const bool interval = domain->IsInterval();
    const int first = domain->Min();
    for (int k = 0; k < size; ++k) {
        const int u = (interval ? first + k : domain->ValueAt(k)) + offset;
        row[static_cast<unsigned>(k)] += counts.count[static_cast<unsigned>(u - counts.low)] >= 1 ? held : free;
    }
    // At its current value (counted above as held) the cost is the constraint's own.
    row[static_cast<unsigned>(cur)] += sign * Score{AllDifferentCost(f, counts.duplicates, penaltyDelta)} - held;
}

int SearchTables::MoveAllDifferent(int conId, int i, int oldValue) {
    AllDifferentCounts& counts = *AllDifferentOf(conId);
    const Feature* f = m_features.Get(conId);
    const _ConIdxInVar::VarRow vars = m_index.VariablesOf(conId);
    IntVar* x = vars[static_cast<unsigned>(i)];
    const int a = oldValue + counts.offset[static_cast<unsigned>(i)] - counts.low;
    const int b = x->IntVar::GetValue() + counts.offset[static_cast<unsigned>(i)] - counts.low;
    const std::int64_t before = counts.duplicates;
    int& countA = counts.count[static_cast<unsigned>(a)];
    int& countB = counts.count[static_cast<unsigned>(b)];
    if (countA >= 2) --counts.duplicates;
    --countA;
    if (countB >= 1) ++counts.duplicates;
    ++countB;
    const std::int64_t after = counts.duplicates;
    // How many held a value before the move.
    auto countBefore = [&](int v) { return counts.count[static_cast<unsigned>(v)] + (v == a) - (v == b); };
    const Score change = Score{AllDifferentCost(f, after)} - AllDifferentCost(f, before);
    for (std::size_t j = 0; j < vars.size(); ++j) {
        IntVar* w = vars[j];
        if (w == x) continue;
        const int wid = w->GetId();
        m_varsInputs.Add(wid, change);
        AddAffected(w);
        const int offset = counts.offset[j];
        const int cur = w->GetValueIndex();
        const int own = w->IntVar::GetValue() + offset - counts.low;
        const std::int64_t withoutBefore = before - (countBefore(own) >= 2 ? 1 : 0);
        const std::int64_t withoutAfter = after - (counts.count[static_cast<unsigned>(own)] >= 2 ? 1 : 0);
        // The cost at another value of w, before and after, as that value was held or not.
        auto cell = [&](bool afterMove, bool held) {
            return Score{AllDifferentCost(f, (afterMove ? withoutAfter : withoutBefore) + (held ? 1 : 0))};
        };
        const Score freeChange = cell(true, false) - cell(false, false);
        const Score heldChange = cell(true, true) - cell(false, true);
        if (freeChange == change && heldChange == change) {
            // The whole row moves with the constraint's cost, but where the two values that
            // changed hands lie.
            if (change != 0) m_pinputs.Shift(wid, change);
            for (int v : {a, b}) {
                const int k = w->GetDomain()->IndexOf(v + counts.low - offset);
                if (k < 0 || k == cur) continue;
                const Score d = cell(true, counts.count[static_cast<unsigned>(v)] >= 1) -
                                cell(false, countBefore(v) >= 1) - change;
                if (d != 0) m_pinputs.Add(wid, k, d);
            }
            continue;
        }
        // w's own value changed hands, or the costs no longer grow alike: every value anew.
        std::vector<Score>& row = m_pinputs.Row(wid);
        const IntDom* domain = w->GetDomain();
        const bool interval = domain->IsInterval();
        const int first = domain->Min();
        for (int k = 0; k < static_cast<int>(row.size()); ++k) {
            if (k == cur) {
                row[static_cast<unsigned>(k)] += change;
                continue;
            }
            const int v = (interval ? first + k : domain->ValueAt(k)) + offset - counts.low;
            row[static_cast<unsigned>(k)] +=
                cell(true, counts.count[static_cast<unsigned>(v)] >= 1) - cell(false, countBefore(v) >= 1);
        }
    }
    return AllDifferentCost(f, after);
}

bool SearchTables::ContributesNothing(const Con* c) const {
    const NoGood* ng = m_noGoods[static_cast<unsigned>(c->GetId())];
    return ng != nullptr && ng == c && ng->GetMismatches() >= 2;
}

CellRow& SearchTables::Cells(int conId, int i) {
    const auto id = static_cast<unsigned>(conId);
    GrowIdTable(m_cellStart, id + 1, kNoCells);
    GrowIdTable(m_cellCount, id + 1, 0);
    const auto index = static_cast<std::uint32_t>(i);
    if (index >= m_cellCount[id]) {
        // The rows of all its variables at once, at the end of the table (the rows it had, if
        // any, move there with it).
        const std::size_t count = std::max<std::size_t>(m_index.VariablesOf(conId).size(), index + 1);
        if (m_cellRows.size() + count >= kNoCells)
            throw ModelError("Problem too large: its constraints hold too many rows of values");
        ReserveIdTable(m_cellRows, m_cellRows.size() + count);
        const auto start = static_cast<std::uint32_t>(m_cellRows.size());
        m_cellRows.resize(m_cellRows.size() + count);
        for (std::uint32_t k = 0; k < m_cellCount[id]; ++k)
            m_cellRows[start + k] = std::move(m_cellRows[m_cellStart[id] + k]);
        m_cellStart[id] = start;
        m_cellCount[id] = static_cast<std::uint32_t>(count);
    }
    return m_cellRows[m_cellStart[id] + index];
}

void SearchTables::AddToCell(int conId, int i, int k, int delta) {
    if (delta == 0) return;
    CellRow& cells = Cells(conId, i);
    for (CellRow::Cell& cell : cells)
        if (cell.first == k) {
            cell.second += delta;
            return;
        }
    cells.push_back({k, delta});
}

int SearchTables::Contribute(Con* c, int sign, const IntVar* skip) {
    const int cid = c->GetId();
    const _ConIdxInVar::VarRow vars = m_index.VariablesOf(cid);
    const bool tab = m_updateCons.Get(cid);
    if (tab && AllDifferentOf(cid) != nullptr) {
        // Its counts are kept only while it is considered: count afresh when it comes in.
        if (sign > 0) CountAllDifferent(cid);
        const int wcCur = AllDifferentCost(m_features.Get(cid), AllDifferentOf(cid)->duplicates);
        for (std::size_t i = 0; i < vars.size(); ++i) {
            IntVar* w = vars[i];
            if (w == skip) continue;
            AddAllDifferentRow(cid, static_cast<int>(i), m_pinputs.Row(w->GetId()), sign);
            m_varsInputs.Add(w->GetId(), sign * wcCur);
            if (sign > 0) AddAffected(w);
        }
        return wcCur;
    }
    if (sign < 0) {
        // The cells added last are still exact (nothing of c has changed since): take them
        // back without evaluating anything.
        const int wcCur = WeightedCost(c);
        for (std::size_t i = 0; i < vars.size(); ++i) {
            IntVar* w = vars[i];
            if (w == skip) continue;
            const int wid = w->GetId();
            if (tab) {
                CellRow& cells = Cells(cid, static_cast<int>(i));
                for (const CellRow::Cell& cell : cells)
                    m_pinputs.Add(wid, cell.first, -cell.second);
                cells.clear();
            }
            m_varsInputs.Add(wid, -wcCur);
        }
        return wcCur;
    }
    if (ContributesNothing(c)) {
        for (IntVar* w : vars)
            AddAffected(w);
        return 0;
    }
    const int wcCur = WeightedCost(c);
    for (std::size_t i = 0; i < vars.size(); ++i) {
        IntVar* w = vars[i];
        if (w == skip) continue;
        const int wid = w->GetId();
        if (tab && IsDisequality(cid)) {
            // Violated at one value of w at most: that cell alone, without evaluating.
            CellRow& cells = Cells(cid, static_cast<int>(i));
            cells.clear();
            int cost = 0;
            const int k = DisequalityCell(cid, static_cast<int>(i), cost);
            if (k >= 0 && cost != 0) {
                m_pinputs.Add(wid, k, cost);
                cells.push_back({k, cost});
            }
        } else if (tab) {
            CellRow& cells = Cells(cid, static_cast<int>(i));
            cells.clear();
            std::vector<Score>& row = m_pinputs.Row(wid);
            const int cur = w->GetValueIndex();
            const int size = static_cast<int>(row.size());
            for (int k = 0; k < size; ++k) {
                if (k == cur) continue;
                PassLink(cid, static_cast<int>(i), w, k);
                const int wc = WeightedCost(c);
                if (wc == 0) continue;
                row[static_cast<unsigned>(k)] += wc;
                cells.push_back({k, wc});
            }
            PassLink(cid, static_cast<int>(i), w, cur);
            if (wcCur != 0) {
                row[static_cast<unsigned>(cur)] += wcCur;
                cells.push_back({cur, wcCur});
            }
        }
        m_varsInputs.Add(wid, wcCur);
        AddAffected(w);
    }
    return wcCur;
}

Score SearchTables::CandidateCost(IntVar* x, int k) {
    const int id = x->GetId();
    const int cur = x->GetValueIndex();
    if (k == cur) return m_varsInputs.Get(id);
    Score cost = m_pinputs.Get(id, k);
    // Under delta update every constraint is in the table: a lookup is the whole cost.
    for (const _ConIdxInVar::VarLink& l : m_explicit[static_cast<unsigned>(id)]) {
        const int cid = l.con->GetId();
        PassLink(cid, l.index, x, k);
        cost += WeightedCost(l.con);
        PassLink(cid, l.index, x, cur);
    }
    return cost;
}

void SearchTables::NoteExplicit(Con* c) {
    const int cid = c->GetId();
    if (!m_consider.Get(cid) || m_updateCons.Get(cid)) return;
    const _ConIdxInVar::VarRow vars = m_index.VariablesOf(cid);
    for (std::size_t i = 0; i < vars.size(); ++i) {
        const auto vid = static_cast<unsigned>(vars[i]->GetId());
        if (m_explicit.size() <= vid) m_explicit.resize(vid + 1);
        m_explicit[vid].push_back({c, static_cast<int>(i)});
    }
}

void SearchTables::MakeMove(IntVar* x, int k) {
    const int cur = x->GetValueIndex();
    if (k == cur) return;
    const int id = x->GetId();
    const int oldValue = x->IntVar::GetValue();
    const std::vector<_ConIdxInVar::VarLink>& cons = m_index.ConstraintsOf(id);
    for (const _ConIdxInVar::VarLink& l : cons) {
        if (!m_consider.Get(l.con->GetId())) continue;
        m_violated.Remove(l.con);
        // A recognised all-different is updated from its counts after the move.
        if (AllDifferentOf(l.con->GetId()) == nullptr) Contribute(l.con, -1, x);
    }
    Commit(x, k);
    Score score = 0;
    for (const _ConIdxInVar::VarLink& l : cons) {
        const int cid = l.con->GetId();
        if (!m_consider.Get(cid)) continue;
        score += AllDifferentOf(cid) != nullptr ? MoveAllDifferent(cid, l.index, oldValue) : Contribute(l.con, +1, x);
        if (l.con->IsViolated()) m_violated.Add(l.con);
    }
    // Its current value changed: every value of its row may now compare otherwise with it.
    m_pinputs.NoteRowChanged(id);
    AddAffected(x);
    if (m_index.ObjectiveIndex(id) >= 0) {
        m_varsInputs.Set(id, score + m_objectiveTerm[static_cast<unsigned>(id)][static_cast<unsigned>(k)]);
        RefreshObjectiveRows(x);
    } else {
        m_varsInputs.Set(id, score);
    }
}

void SearchTables::RefreshObjectiveRows(const IntVar* skip) {
    const int objId = m_index.ObjectiveId();
    if (objId < 0) return;
    const Minimise* objective = m_problem->GetObjective();
    const std::vector<IntVar*>& vars = m_index.ObjectiveVariables();
    for (;;) {
        const int bestBefore = objective->BestValue();
        for (std::size_t i = 0; i < vars.size(); ++i) {
            IntVar* w = vars[i];
            if (w == skip) continue;
            const int wid = w->GetId();
            std::vector<int>& term = m_objectiveTerm[static_cast<unsigned>(wid)];
            const int cur = w->GetValueIndex();
            for (int k = 0; k < static_cast<int>(term.size()); ++k) {
                if (k == cur) continue;
                PassLink(objId, static_cast<int>(i), w, k);
                const int t = WeightedCost(objective);
                if (t != term[static_cast<unsigned>(k)]) {
                    m_pinputs.Add(wid, k, t - term[static_cast<unsigned>(k)]);
                    term[static_cast<unsigned>(k)] = t;
                }
            }
            PassLink(objId, static_cast<int>(i), w, cur);
            const int t = WeightedCost(objective);
            if (t != term[static_cast<unsigned>(cur)]) {
                m_pinputs.Add(wid, cur, t - term[static_cast<unsigned>(cur)]);
                m_varsInputs.Add(wid, t - term[static_cast<unsigned>(cur)]);
                term[static_cast<unsigned>(cur)] = t;
            }
            AddAffected(w);
        }
        // A lower best value changes the objective's violation everywhere: go round again
        // until an evaluation pass finds nothing lower.
        if (objective->BestValue() == bestBefore) break;
        skip = nullptr;
    }
}

void SearchTables::RaisePenalty(int conId) {
    Feature* f = m_features.Get(conId);
    if (f == nullptr) return;
    const bool whole = f->IncreasePenalty();
    if (conId == m_index.ObjectiveId()) {
        RefreshObjectiveRows(nullptr);
        return;
    }
    Con* c = m_consWrapper.Get(conId);
    // A part of a conjunction: no table reads its feature (the conjunction's own does).
    if (c == nullptr || !m_index.HasLinks(conId) || f->GetConstraint() != c) return;
    if (!m_consider.Get(conId)) return;
    const bool tab = m_updateCons.Get(conId);
    const int diffCur = PenaltyDifference(c, f);
    const _ConIdxInVar::VarRow vars = m_index.VariablesOf(conId);
    if (tab && whole && AllDifferentOf(conId) != nullptr) {
        // The new penalty minus the previous one, at every value, from the counts.
        for (std::size_t i = 0; i < vars.size(); ++i) {
            IntVar* w = vars[i];
            std::vector<Score>& row = m_pinputs.Row(w->GetId());
            AddAllDifferentRow(conId, static_cast<int>(i), row, +1, 0);
            AddAllDifferentRow(conId, static_cast<int>(i), row, -1, -1);
            m_varsInputs.Add(w->GetId(), diffCur);
            AddAffected(w);
        }
        return;
    }
    for (std::size_t i = 0; i < vars.size(); ++i) {
        IntVar* w = vars[i];
        const int wid = w->GetId();
        const int cur = w->GetValueIndex();
        if (tab && IsDisequality(conId)) {
            // Its cost changes only where it is violated: its one cell.
            int cost = 0;
            const int k = DisequalityCell(conId, static_cast<int>(i), cost);
            if (k >= 0) {
                const int diff = cost - PenalisedCost(1000.0, f->Lambda(), true, f->GetPenalty() - 1);
                m_pinputs.Add(wid, k, diff);
                AddToCell(conId, static_cast<int>(i), k, diff);
            }
            m_varsInputs.Add(wid, diffCur);
            AddAffected(w);
            continue;
        }
        if (tab && whole) {
            // The differences of every value are gathered first and merged into the cells in
            // one pass: looking each value up among the cells would take time quadratic in
            // the domain size.
            std::vector<int> diffs(static_cast<unsigned>(w->DomainSize()), 0);
            for (int k = 0; k < w->DomainSize(); ++k) {
                if (k == cur) continue;
                PassLink(conId, static_cast<int>(i), w, k);
                const int diff = PenaltyDifference(c, f);
                m_pinputs.Add(wid, k, diff);
                diffs[static_cast<unsigned>(k)] = diff;
            }
            PassLink(conId, static_cast<int>(i), w, cur);
            CellRow& cells = Cells(conId, static_cast<int>(i));
            for (CellRow::Cell& cell : cells) {
                cell.second += diffs[static_cast<unsigned>(cell.first)];
                diffs[static_cast<unsigned>(cell.first)] = 0;
            }
            for (int k = 0; k < w->DomainSize(); ++k)
                if (diffs[static_cast<unsigned>(k)] != 0)
                    cells.push_back({k, diffs[static_cast<unsigned>(k)]});
        }
        if (tab) {
            m_pinputs.Add(wid, cur, diffCur);
            AddToCell(conId, static_cast<int>(i), cur, diffCur);
        }
        m_varsInputs.Add(wid, diffCur);
        AddAffected(w);
    }
}

bool SearchTables::CanImprove(Con* c) {
    const int cid = c->GetId();
    const bool linked =
        m_index.HasLinks(cid) && (cid == m_index.ObjectiveId() || m_consWrapper.Get(cid) == c);
    const _ConIdxInVar::VarRow vars = m_index.VariablesOf(cid);
    const Feature* f = m_features.Get(cid);
    auto cost = [&]() {
        const double violation = c->GetViolation();
        return violation == 0.0 ? 0 : FeatureWrapper::WeightedCost(violation, f);
    };
    Feature* memory = static_cast<unsigned>(cid) < m_memoryFeature.size()
                          ? m_memoryFeature[static_cast<unsigned>(cid)]
                          : nullptr;
    // A part of a conjunction has no links: it is evaluated afresh at each value.
    auto set = [&](int i, IntVar* w, int k) {
        if (linked) {
            PassLink(cid, i, w, k);
            return;
        }
        w->SetValueIndex(k);
        c->Initialise();
        if (memory != nullptr) memory->UpdateVariable(i, k);
    };
    const int base = cost();
    std::vector<std::pair<IntVar*, int>> lowering;
    for (std::size_t i = 0; i < vars.size(); ++i) {
        IntVar* w = vars[i];
        const int cur = w->GetValueIndex();
        for (int k = 0; k < w->DomainSize(); ++k) {
            set(static_cast<int>(i), w, k);
            if (cost() < base) lowering.emplace_back(w, k);
        }
        set(static_cast<int>(i), w, cur);
    }
    // A change that helps c but costs the rest of the problem more is no way out: raising c's
    // penalty everywhere would then scale c's cost at this assignment and at its neighbours
    // alike, and the search would stay where it is for good. Only a change the search itself
    // could make counts.
    for (const auto& [w, k] : lowering)
        if (CandidateCost(w, k) <= VariableScore(w)) return true;
    return false;
}

void SearchTables::AdmitViolatedUnconsidered() {
    std::vector<Con*> admitted;
    for (int i = 0; i < m_unconsidered.Size();) {
        Con* c = m_unconsidered.Element(i);
        c->Initialise();
        if (c->IsViolated()) {
            m_consider.SetFlag(c->GetId(), true);
            // The last entry takes this place and is looked at next.
            m_unconsidered.Remove(c);
            admitted.push_back(c);
        } else {
            ++i;
        }
    }
    for (Con* c : admitted) {
        NoteExplicit(c);
        Contribute(c, +1, nullptr);
        if (c->IsViolated()) m_violated.Add(c);
    }
}

void SearchTables::EnterLearnedConstraint(Con* c, bool tabulate) {
    c->Post();
    m_problem->AddConstraint(c);
    c->Initialise();
    m_consWrapper.Build(*m_problem);
    m_consider.Grow();
    m_updateCons.Grow();
    m_features.Grow();
    m_violated.Resize();
    const auto count = static_cast<unsigned>(Con::GetCount());
    GrowIdTable(m_memoryFeature, count, nullptr);
    GrowIdTable(m_noGoods, count, nullptr);
    GrowIdTable(m_isDisequality, count, 0);
    GrowIdTable(m_disequality, count, Disequality{});
    GrowIdTable(m_allDifferentSlot, count, -1);
    const int cid = c->GetId();
    if (tabulate || m_tabulateAll)
        m_updateCons.Set(cid);
    else
        m_updateCons.Clear(cid);
    const bool considered = !(m_approximate && !c->IsViolated());
    m_consider.SetFlag(cid, considered);
    if (!considered) m_unconsidered.Add(c);
    m_index.CollectVariablesOfOne(c);
    m_index.LinkOne(c);
    m_features.AddConstraint(c);
    WatchMemoryFeatures(c);
    if (auto* ng = dynamic_cast<NoGood*>(c)) m_noGoods[static_cast<unsigned>(cid)] = ng;
    NoteExplicit(c);
    if (considered) {
        Contribute(c, +1, nullptr);
        if (c->IsViolated()) m_violated.Add(c);
    }
    for (IntVar* w : m_index.VariablesOf(cid))
        AddAffected(w);
}

bool SearchTables::NeedsResync() const {
    return m_problem->Values().lambda != m_builtLambda ||
           m_problem->Values().objectiveWeight != m_builtObjectiveWeight;
}

bool SearchTables::HardFeasible() {
    if (m_violated.HardCount() > 0) return false;
    for (Con* c : m_unconsidered.Cons()) {
        if (!c->IsHard()) continue;
        c->Initialise();
        if (c->IsViolated()) return false;
    }
    return true;
}

std::vector<int> SearchTables::FeaturesOfMaximalUtility() {
    // Integer utilities order the features; where they are equal, the exact utilities
    // cost / (penalty + 1) decide (compared by cross-multiplication). The integer division
    // sends every feature penalised more than cost x 1000 times to 0, the utility of an absent
    // feature, and tying them there penalises everything at once, so the penalties grow
    // together and the search can no longer leave the trap. Only ties made by rounding break.
    std::uint32_t best = 0;
    std::int64_t bestCost = 0; // the exact best utility is bestCost / bestDivisor
    std::int64_t bestDivisor = 1;
    std::vector<int> chosen;
    auto consider = [&](Con* c, bool testConsidered) {
        for (int k = 0; k < c->NumConjuncts(); ++k) {
            Con* part = c->GetConjunct(k);
            if (part == nullptr) continue;
            const int id = part->GetId();
            if (testConsidered && !m_consider.Get(id)) continue;
            const Feature* f = m_features.Get(id);
            const auto utility = static_cast<std::uint32_t>(f != nullptr ? f->GetUtility() : 0);
            std::int64_t cost = 0;
            std::int64_t divisor = 1;
            if (f != nullptr && f->IsPresent()) {
                cost = f->GetCost();
                divisor = static_cast<std::int64_t>(f->GetPenalty()) + 1;
            }
            // Both products stay below 2^62: costs and penalties are 32-bit, penalties >= 0.
            const std::int64_t ours = cost * bestDivisor;
            const std::int64_t theirs = bestCost * divisor;
            if (utility > best || (utility == best && ours > theirs)) {
                best = utility;
                bestCost = cost;
                bestDivisor = divisor;
                chosen.assign(1, id);
            } else if (utility == best && ours == theirs) {
                chosen.push_back(id);
            }
        }
    };
    for (Con* c : m_violated.Cons())
        consider(c, true);
    if (m_problem->HasObjective()) consider(m_problem->GetObjective(), false);
    return chosen;
}

void SearchTables::RefreshMoveLists() {
    if (m_keepMoveLists) {
        std::sort(m_affected.begin(), m_affected.end(),
                  [](const IntVar* a, const IntVar* b) { return a->GetId() < b->GetId(); });
        std::vector<int> changed;
        std::vector<int> listed;
        std::vector<int> visit;
        for (IntVar* w : m_affected) {
            // The first lists of a large problem take long too.
            StopIfAskedWhileBuilding();
            const int wid = w->GetId();
            const int cur = w->GetValueIndex();
            const bool whole = m_pinputs.ChangedCells(wid, changed) ||
                               std::binary_search(changed.begin(), changed.end(), cur);
            if (whole) {
                const std::vector<Score>& row = m_pinputs.Row(wid);
                const Score base = row[static_cast<unsigned>(cur)];
                for (int k = 0; k < static_cast<int>(row.size()); ++k) {
                    m_downwards.Remove({w, k});
                    m_sideways.Remove({w, k});
                    if (k == cur) continue;
                    if (row[static_cast<unsigned>(k)] < base)
                        m_downwards.Add({w, k});
                    else if (row[static_cast<unsigned>(k)] == base)
                        m_sideways.Add({w, k});
                }
            } else {
                // The row moved as a whole but for the cells noted: only those can change
                // list, yet every listed move of the row is taken out and put back in value
                // order, as a pass over the whole row does, so that the lists keep the order
                // that the random choice of a move reads.
                const Score base = m_pinputs.Get(wid, cur);
                for (int down = 1; down >= 0; --down) {
                    MoveList& list = down ? static_cast<MoveList&>(m_downwards) : m_sideways;
                    listed.clear();
                    list.ListedValues(wid, listed);
                    visit.clear();
                    std::set_union(listed.begin(), listed.end(), changed.begin(), changed.end(),
                                   std::back_inserter(visit));
                    for (int k : visit) {
                        const Score v = m_pinputs.Get(wid, k);
                        const bool belongs = down ? v < base : v == base;
                        if (!list.Contains(wid, k)) {
                            if (belongs) list.Add({w, k});
                        } else if (belongs) {
                            list.MoveToEnd({w, k});
                        } else {
                            list.Remove({w, k});
                        }
                    }
                }
            }
            m_pinputs.ForgetChanges(wid);
        }
    } else {
        for (IntVar* x : m_affected)
            m_pinputs.ForgetChanges(x->GetId());
    }
    for (IntVar* x : m_affected)
        m_affectedMark[static_cast<unsigned>(x->GetId())] = 0;
    m_affected.clear();
}

void SearchTables::RebuildAllMoveLists() {
    m_pinputs.NoteAllChanged();
    for (IntVar* x : m_problem->GetVariables()) {
        m_downwards.RemoveVariable(x->GetId());
        m_sideways.RemoveVariable(x->GetId());
    }
    for (IntVar* x : m_problem->GetVariables())
        AddAffected(x);
    RefreshMoveLists();
}

std::string SearchTables::CheckInvariants() {
    std::ostringstream out;
    const int objId = m_index.ObjectiveId();
    Minimise* objective = objId >= 0 ? m_problem->GetObjective() : nullptr;
    auto notify = [&](IntVar* x, int k) {
        for (const auto& [f, i] : m_watchers[static_cast<unsigned>(x->GetId())])
            f->UpdateVariable(i, k);
    };
    for (IntVar* x : m_problem->GetVariables()) {
        const int id = x->GetId();
        const int cur = x->GetValueIndex();
        const std::vector<_ConIdxInVar::VarLink>& cons = m_index.ConstraintsOf(id);
        Score expectedScore = 0;
        std::vector<Score> expectedCandidate(static_cast<unsigned>(x->DomainSize()), 0);
        for (int k = 0; k < x->DomainSize(); ++k) {
            x->SetValueIndex(k);
            notify(x, k);
            Score expected = 0;
            for (const _ConIdxInVar::VarLink& l : cons) {
                const int cid = l.con->GetId();
                if (!m_consider.Get(cid)) continue;
                l.con->Initialise();
                const int wc = WeightedCost(l.con);
                if (m_updateCons.Get(cid)) expected += wc;
                expectedCandidate[static_cast<unsigned>(k)] += wc;
                if (k == cur) expectedScore += wc;
            }
            if (objective != nullptr && m_index.ObjectiveIndex(id) >= 0) {
                objective->Initialise();
                const int t = WeightedCost(objective);
                expected += t;
                expectedCandidate[static_cast<unsigned>(k)] += t;
                if (k == cur) expectedScore += t;
            }
            if (m_pinputs.Get(id, k) != expected && out.tellp() == 0)
                out << "value table of " << x->GetName() << " at value index " << k << ": kept "
                    << m_pinputs.Get(id, k) << ", recomputed " << expected;
        }
        x->SetValueIndex(cur);
        notify(x, cur);
        for (const _ConIdxInVar::VarLink& l : cons)
            if (m_consider.Get(l.con->GetId())) l.con->Initialise();
        if (objective != nullptr && m_index.ObjectiveIndex(id) >= 0) objective->Initialise();
        for (int k = 0; k < x->DomainSize() && out.tellp() == 0; ++k)
            if (CandidateCost(x, k) != expectedCandidate[static_cast<unsigned>(k)])
                out << "candidate cost of " << x->GetName() << " at value index " << k << ": "
                    << CandidateCost(x, k) << ", recomputed " << expectedCandidate[static_cast<unsigned>(k)];
        if (m_varsInputs.Get(id) != expectedScore && out.tellp() == 0)
            out << "score of " << x->GetName() << ": kept " << m_varsInputs.Get(id) << ", recomputed "
                << expectedScore;
    }
    if (out.tellp() != 0) return out.str();
    // Each row is the sum of the cells its constraints hold in it and the objective's term.
    for (IntVar* x : m_problem->GetVariables()) {
        const int id = x->GetId();
        std::vector<Score> sum(static_cast<unsigned>(x->DomainSize()), 0);
        for (const _ConIdxInVar::VarLink& l : m_index.ConstraintsOf(id)) {
            const int cid = l.con->GetId();
            if (!m_consider.Get(cid) || !m_updateCons.Get(cid)) continue;
            if (AllDifferentOf(cid) != nullptr) {
                // Its share follows from its counts, which must be those of the assignment.
                const AllDifferentCounts kept = *AllDifferentOf(cid);
                CountAllDifferent(cid);
                const bool same = kept.count == AllDifferentOf(cid)->count &&
                                  kept.duplicates == AllDifferentOf(cid)->duplicates;
                *AllDifferentOf(cid) = kept;
                if (!same) return "counts of an all-different differ from the assignment's";
                AddAllDifferentRow(cid, l.index, sum, +1);
                continue;
            }
            for (const CellRow::Cell& cell : Cells(cid, l.index))
                sum[static_cast<unsigned>(cell.first)] += cell.second;
        }
        if (m_index.ObjectiveIndex(id) >= 0)
            for (int k = 0; k < x->DomainSize(); ++k)
                sum[static_cast<unsigned>(k)] +=
                    m_objectiveTerm[static_cast<unsigned>(id)][static_cast<unsigned>(k)];
        for (int k = 0; k < x->DomainSize(); ++k)
            if (sum[static_cast<unsigned>(k)] != m_pinputs.Get(id, k))
                return std::string("cells of ") + x->GetName() + " do not add up to its row";
    }
    std::set<const Con*> expectedViolated;
    int soft = 0;
    int hard = 0;
    for (Con* c : m_problem->GetConstraints()) {
        const bool considered = m_consider.Get(c->GetId());
        if (considered == m_unconsidered.Contains(c)) {
            out << "constraint " << c->GetId()
                << (considered ? " considered but listed as unconsidered" : " unconsidered but not listed");
            return out.str();
        }
        if (considered && c->IsViolated() && expectedViolated.insert(c).second) {
            if (c->IsHard())
                ++hard;
            else
                soft += c->GetWeight();
        }
    }
    const std::set<const Con*> kept(m_violated.Cons().begin(), m_violated.Cons().end());
    if (kept != expectedViolated || static_cast<int>(kept.size()) != m_violated.Count())
        return "violated list differs from the violated considered constraints";
    if (m_violated.HardCount() != hard || m_violated.SoftWeight() != soft)
        return "violated counts differ: hard " + std::to_string(m_violated.HardCount()) + " for " +
               std::to_string(hard) + ", soft " + std::to_string(m_violated.SoftWeight()) + " for " +
               std::to_string(soft);
    if (!m_keepMoveLists) return "";
    for (IntVar* x : m_problem->GetVariables()) {
        const int id = x->GetId();
        const int cur = x->GetValueIndex();
        const Score base = m_pinputs.Get(id, cur);
        for (int k = 0; k < x->DomainSize(); ++k) {
            const Score v = m_pinputs.Get(id, k);
            const bool down = k != cur && v < base;
            const bool side = k != cur && v == base;
            if (m_downwards.Contains(id, k) != down || m_sideways.Contains(id, k) != side) {
                out << "move lists disagree for " << x->GetName() << " at value index " << k;
                return out.str();
            }
        }
    }
    for (const MoveList* list :
         {static_cast<const MoveList*>(&m_downwards), static_cast<const MoveList*>(&m_sideways)})
        for (int k = 0; k < list->Size(); ++k)
            if (list->Position(list->Element(k).var->GetId(), list->Element(k).value) != k)
                return "move list positions are out of step";
    std::vector<int> listed;
    for (const MoveList* list :
         {static_cast<const MoveList*>(&m_downwards), static_cast<const MoveList*>(&m_sideways)})
        for (IntVar* x : m_problem->GetVariables()) {
            listed.clear();
            list->ListedValues(x->GetId(), listed);
            std::vector<int> expected;
            for (int k = 0; k < x->DomainSize(); ++k)
                if (list->Contains(x->GetId(), k)) expected.push_back(k);
            if (listed != expected) return std::string("listed values of ") + x->GetName() + " are out of step";
        }
    return "";
}

} // namespace GLSLib
