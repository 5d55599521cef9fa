#pragma once
// The penalised-cost bookkeeping of guided local search over the search structures, shared by
// GGLS_ND, GLS_NDS and tabu search. For every variable x (by id) and value index k:
//   value table  Pinputs[x][k] = sum of the weighted costs, with x at k and every other
//                variable as it is, of the considered constraints on x flagged in UpdateCons
//                (all of them under delta update, the small ones otherwise), plus the
//                objective's weighted cost when x is in the objective;
//   score        VarsInputs[x] = sum of the weighted costs of all considered constraints on x
//                at the current assignment, plus the objective's when x is in it;
//   violated     ViolatedCons = the considered problem constraints that are violated;
//   move lists   (when kept) every (x, k), k not current, is in DownwardsList when
//                Pinputs[x][k] < Pinputs[x][current], in SidewaysList when equal.
// Every operation below keeps these exact; CheckInvariants recomputes them from scratch.
// The objective's part of the tables is recomputed whenever it can change (a move of one of
// its variables, a penalty on it), because its violation is measured from the best value seen
// so far, which any evaluation may lower.
// Guided local search (Voudouris and Tsang) with incremental move evaluation.

#include "localsearch/search/CellRow.hpp"
#include "localsearch/search/ConsiderCons.hpp"
#include "localsearch/search/DownwardsList.hpp"
#include "localsearch/search/FeatureWrapper.hpp"
#include "localsearch/search/Pinputs.hpp"
#include "localsearch/search/SidewaysList.hpp"
#include "localsearch/search/UnconsideredCons.hpp"
#include "localsearch/search/UpdateCons.hpp"
#include "localsearch/search/UpwardsList.hpp"
#include "localsearch/search/VarsInputs.hpp"
#include "localsearch/search/VarsLabels.hpp"
#include "localsearch/search/ViolatedCons.hpp"
#include "localsearch/search/_ConIdxInVar.hpp"
#include "localsearch/search/_ConsWrapper.hpp"

#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace GLSLib {

class Con;
class Feature;
class GLSCSP;
class IntVar;
class NoGood;

class SearchTables {
public:
    // The most (variable, value) cells the tables hold: the sum of the domain sizes.
    static constexpr std::int64_t kMaxValueCells = std::int64_t{1} << 24;
    // Thrown by Setup when the stop flag is set while it builds the tables of a problem of more
    // than kStoppableCells values; the tables are then incomplete and must be set up again.
    static constexpr std::int64_t kStoppableCells = std::int64_t{1} << 16;
    struct Stopped {};
    // The engine's stop request, read between variables while the tables are built (may be
    // null).
    void SetStopFlag(const std::atomic<bool>* stop) { m_stop = stop; }

    virtual ~SearchTables() = default;

    // Builds every structure for the problem at its current assignment (value indexes set,
    // nothing evaluated yet): set variables and constraints initialised, the hard weight set,
    // marks, structure tables, features and tables computed. approximate: only constraints
    // violated now are considered; tabulateAll: every constraint is in the value table (delta
    // update), else only the small ones; keepMoveLists: the move lists are maintained.
    // Throws ModelError when the domains together hold more than kMaxValueCells values.
    void Setup(GLSCSP& problem, bool approximate, bool tabulateAll, bool keepMoveLists);
    // Recomputes the tables, the violated list and the move lists from the current assignment
    // (after value indexes were set without propagation). Marks and penalties stay.
    void Resync(bool keepMoveLists);

    // The weighted cost of c at the current state of its graph.
    int WeightedCost(const Con* c) const { return m_features.WeightedCost(c); }
    // The cost of giving x the value index k: its value-table entry plus the weighted costs,
    // evaluated with x at k, of its considered constraints that are not in the value table.
    // Leaves everything as it was.
    Score CandidateCost(IntVar* x, int k);
    // Moves x to value index k and updates every table; the variables whose table rows changed
    // are collected in the affected set. A move to the current value changes nothing.
    void MakeMove(IntVar* x, int k);
    // Raises the penalty of the feature of constraint (or conjunct or objective) conId and
    // shifts exactly the table entries that depend on it; collects its variables as affected.
    void RaisePenalty(int conId);
    // Whether a change of one variable of c would lower c's weighted cost (nothing changed).
    bool CanImprove(Con* c);
    // Every unconsidered constraint is evaluated; the violated ones become considered, their
    // costs enter the tables, they join the violated list; their variables become affected.
    void AdmitViolatedUnconsidered();
    // Posts c, adds it to the problem and brings it into the search (marks, links, feature,
    // tables, violated list); its variables become affected.
    void EnterLearnedConstraint(Con* c, bool tabulate);
    // The penalty step's choice: the ids of the features of largest utility (compared as
    // unsigned numbers from 0, ties all kept) among the considered conjuncts of the violated
    // constraints, in list order, and then every conjunct of the objective when there is one.
    std::vector<int> FeaturesOfMaximalUtility();
    // Rebuilds the move lists of the affected variables (in id order) when the lists are kept,
    // then empties the affected set.
    void RefreshMoveLists();
    // True when lambda or the objective weight changed since the tables were computed, so
    // that Resync is needed before searching on.
    bool NeedsResync() const;
    // Every hard constraint holds: none is in the violated list and no unconsidered one is
    // violated (those are evaluated afresh).
    bool HardFeasible();
    // Sets the assignment to the given value indexes (problem order) without propagation and
    // resynchronises everything with it.
    void RestoreAssignment(const std::vector<int>& valueIndexes, bool keepMoveLists);

    // An empty string when every table, list and move list equals its recomputation from the
    // definitions above; otherwise the first difference found. Evaluates every constraint
    // afresh at every single-variable change: for tests.
    std::string CheckInvariants();

    const ViolatedCons& Violated() const { return m_violated; }
    const Pinputs& ValueTable() const { return m_pinputs; }
    const VarsInputs& Scores() const { return m_varsInputs; }
    const DownwardsList& Downwards() const { return m_downwards; }
    const SidewaysList& Sideways() const { return m_sideways; }
    const UnconsideredCons& Unconsidered() const { return m_unconsidered; }
    const ConsiderCons& Considered() const { return m_consider; }
    const UpdateCons& Tabulated() const { return m_updateCons; }
    const FeatureWrapper& Features() const { return m_features; }
    const _ConIdxInVar& Index() const { return m_index; }
    bool KeepsMoveLists() const { return m_keepMoveLists; }
    int HardWeightBase() const { return m_hardWeightBase; }
    Score VariableScore(const IntVar* x) const;

protected:
    // Passes x at value index k through the link of constraint conId (index i) and tells its
    // feature.
    void PassLink(int conId, int i, IntVar* x, int k);
    // Gives x the value index k through every considered constraint's link and the objective's,
    // and tells every feature that remembers assignments.
    void Commit(IntVar* x, int k);
    void AddAffected(IntVar* x);
    // Adds (sign +1) or removes (sign -1) the contribution of c, at the current assignment,
    // to the rows of its variables other than skip; returns c's weighted cost now.
    int Contribute(Con* c, int sign, const IntVar* skip);
    // The nonzero cells that constraint conId has added to the row of its variable i. The
    // reference holds until the first cells of a constraint that has none yet are asked for.
    CellRow& Cells(int conId, int i);
    // Makes the rows of cells of every constraint of the problem, empty.
    void ResetCells();
    void AddToCell(int conId, int i, int k, int delta);
    // Recomputes the objective's part of the rows of its variables (all of them, or all but
    // skip while the best objective value stays put).
    void RefreshObjectiveRows(const IntVar* skip);
    void WatchMemoryFeatures(Con* c);
    // True when c's weighted cost is 0 at x's every single change (a no-good that differs
    // from its forbidden assignment in two or more places).
    bool ContributesNothing(const Con* c) const;
    void ComputeTables();
    // Throws Stopped when the stop flag is set while the tables of a large problem are built.
    void StopIfAskedWhileBuilding() const {
        if (m_stopWhileBuilding && m_stop != nullptr && m_stop->load(std::memory_order_relaxed)) throw Stopped{};
    }
    // Throws Stopped when the stop flag is set and the problem set up last is large: for the
    // structures an engine builds at the start of a run, after Setup.
    void StopIfAskedOnLargeProblem() const {
        if (m_large && m_stop != nullptr && m_stop->load(std::memory_order_relaxed)) throw Stopped{};
    }
    void RebuildAllMoveLists();
    // Recognises c as a disequality of two distinct variables, each plus or minus a constant
    // (the commonest constraint of all), whose feature penalises the whole constraint.
    void DetectDisequality(Con* c);
    // For such a disequality: the one value index of its variable i at which it is violated
    // with the other variable as it is (-1 when none), and the weighted cost there.
    int DisequalityCell(int conId, int i, int& cost) const;
    bool IsDisequality(int conId) const {
        return static_cast<unsigned>(conId) < m_isDisequality.size() &&
               m_isDisequality[static_cast<unsigned>(conId)];
    }

    // Recognises a tabulated all-different over distinct variables, each plus or minus a
    // constant, whose feature penalises the whole constraint. Its cost depends only on how many
    // repeated values it holds, so its share of every row follows from a count per value: a
    // move updates two counts and shifts the rows of the other variables as a whole, where
    // evaluating every value of every variable would cost the square of the list's length.
    void DetectAllDifferent(Con* c);
    struct AllDifferentCounts {
        // Per variable of the constraint's row: the constant added to it.
        std::vector<int> offset;
        // The smallest argument value, and per argument value from it: how many hold it.
        int low = 0;
        std::vector<int> count;
        // The sum over values held more than once of (count - 1).
        std::int64_t duplicates = 0;
    };
    AllDifferentCounts* AllDifferentOf(int conId) {
        const auto id = static_cast<unsigned>(conId);
        return id < m_allDifferentSlot.size() && m_allDifferentSlot[id] >= 0
                   ? &m_allDifferent[static_cast<unsigned>(m_allDifferentSlot[id])]
                   : nullptr;
    }
    // Counts the argument values of the all-different conId at the current assignment.
    void CountAllDifferent(int conId);
    // The weighted cost of an all-different holding `duplicates` repeated values (its feature's
    // penalty offset by penaltyDelta).
    static int AllDifferentCost(const Feature* f, std::int64_t duplicates, int penaltyDelta = 0);
    // Adds sign x the all-different's share (at the current counts, its penalty offset by
    // penaltyDelta) to the row of its variable i.
    void AddAllDifferentRow(int conId, int i, std::vector<Score>& row, int sign, int penaltyDelta = 0);
    // Updates the counts of the all-different conId for its variable i moved from oldValue to
    // its current value, and the rows and scores of its other variables; returns the
    // constraint's weighted cost now.
    int MoveAllDifferent(int conId, int i, int oldValue);

    _ConsWrapper m_consWrapper;
    VarsInputs m_varsInputs;
    VarsLabels m_labels;
    FeatureWrapper m_features;
    UpdateCons m_updateCons;
    Pinputs m_pinputs;
    DownwardsList m_downwards;
    SidewaysList m_sideways;
    UpwardsList m_upwards;
    ViolatedCons m_violated;
    UnconsideredCons m_unconsidered;
    ConsiderCons m_consider;
    int m_hardWeightBase = 1;
    _ConIdxInVar m_index;

    GLSCSP* m_problem = nullptr;
    const std::atomic<bool>* m_stop = nullptr;
    bool m_stopWhileBuilding = false;
    // The problem set up last holds more than kStoppableCells values.
    bool m_large = false;
    bool m_keepMoveLists = false;
    bool m_approximate = false;
    bool m_tabulateAll = true;
    // The objective's weighted cost per objective variable (by id) and value index.
    std::vector<std::vector<int>> m_objectiveTerm;
    // Per variable id: the features that remember assignments, with the variable's index.
    std::vector<std::vector<std::pair<Feature*, int>>> m_watchers;
    // Per constraint id: its feature when that feature remembers assignments, else null.
    std::vector<Feature*> m_memoryFeature;
    // Per constraint id: the no-good of that id, else null.
    std::vector<NoGood*> m_noGoods;
    std::vector<IntVar*> m_affected;
    std::vector<char> m_affectedMark;
    // Per constraint id and variable index: the nonzero (value index, weighted cost) cells the
    // constraint holds in that variable's value-table row, so that a move takes them back
    // without evaluating anything. Invariant: the row is the sum of its cells (plus the
    // objective's term). The cells of constraint c's variable i are m_cellRows[m_cellStart[c] + i];
    // kNoCells for a constraint whose rows are not made yet. One table for all constraints:
    // a block per constraint cost more than the cells themselves.
    static constexpr std::uint32_t kNoCells = UINT32_MAX;
    std::vector<std::uint32_t> m_cellStart;
    std::vector<std::uint32_t> m_cellCount;
    std::vector<CellRow> m_cellRows;
    // Per constraint id: variables and constant offsets of a recognised disequality
    // var[0] + offset[0] <> var[1] + offset[1], in the order of the constraint's row.
    struct Disequality {
        IntVar* var[2];
        int offset[2];
    };
    std::vector<Disequality> m_disequality;
    // Per variable id: its considered constraints that are not in the value table (evaluated
    // for each candidate value).
    std::vector<std::vector<_ConIdxInVar::VarLink>> m_explicit;
    // Adds c to the explicit lists of its variables when it is considered and not tabulated.
    void NoteExplicit(Con* c);
    std::vector<char> m_isDisequality;
    // Per constraint id: the place of its counts in m_allDifferent, -1 when not recognised.
    std::vector<int> m_allDifferentSlot;
    std::vector<AllDifferentCounts> m_allDifferent;
    // The lambda and objective weight the tables were computed with.
    int m_builtLambda = 1;
    int m_builtObjectiveWeight = 1;
};

} // namespace GLSLib
