#pragma once
// The state of tabu search: the shared search tables (value table, scores, violated and move
// lists, structure tables, features), the candidate lists, the tabu marks and the best
// assignment of the current run.
// Tabu search (Glover) as a min-conflicts walk: each iteration moves one variable to one of
// its least-cost admitted values; the pair just assigned stays tabu for base + a random part
// of the range iterations.
// Invariants (besides those of SearchTables): the tabu table has one row per variable id, each
// as wide as the largest domain; every candidate list satisfies the TabuVarsInputs invariant
// for the variable's current row, value and the marks at the list's stamp.

#include "localsearch/search/Move.hpp"
#include "localsearch/search/SearchTables.hpp"
#include "localsearch/tabu/TabuVarsInputs.hpp"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace GLSLib {

class GLSCSP;

class TabuLocalSearch2 : public SearchTables {
public:
    // First run only: a random assignment, then every structure built for it and the
    // candidate lists filled. Throws ModelError for a constraint over a variable that is not
    // in the problem, Stopped when the stop flag is set while a large problem's are built.
    void Initialise(GLSCSP& problem, bool approximate);
    bool IsInitialised() const { return m_initialised; }
    // A table of zero marks, one row per variable, as wide as the largest domain. When the
    // tenure base exceeds the range the two module-wide settings are swapped first. Throws
    // Stopped when the stop flag is set while a large problem's is built.
    void BuildTabuTable();
    // Every candidate list rebuilt from the value table, without tabu test. When stoppable,
    // throws Stopped (the lists then incomplete) when the stop flag is set on a large problem.
    void RebuildCandidates(bool stoppable = false);
    // One iteration t >= 1: choose a move, mark it tabu, make it, bring the lists up to date.
    // False when no variable has a value to move to (every domain has one value).
    [[nodiscard]] bool Step(std::uint64_t t);
    // The move of the step: the first improving candidate of variables met in random order,
    // else the candidate of the last variable that had one. When no variable has a candidate
    // the marks are cleared and the lists rebuilt once. False when there is still none.
    [[nodiscard]] bool ChooseMove(Move& move);

    // No hard constraint is violated (unconsidered ones evaluated afresh).
    bool Feasible() { return HardFeasible(); }
    // Sum of the weights of the violated soft constraints (unconsidered ones evaluated afresh).
    int SoftCost();
    // The objective's value, 0 without objective.
    int ObjectiveValue() const;
    // Keeps the current assignment, its objective value and soft cost as the best.
    void StoreBest();
    // Sets the best assignment back and resynchronises every structure with it.
    void RestoreBest();
    // Adds a no-good that forbids the current assignment of every variable and enters it in
    // the search.
    void ForbidCurrent();

    // An empty string when the shared tables, the candidate lists and the tabu table agree with
    // their definitions; otherwise the first difference (evaluates afresh: for tests).
    std::string CheckInvariants();

    int GetBestObjective() const { return m_bestObjective; }
    int GetBestSoftCost() const { return m_bestSoftCost; }
    // Forgets the stored best (start of a run).
    void ClearBest() {
        m_bestObjective = INT_MAX;
        m_bestSoftCost = INT_MAX;
    }
    const std::vector<int>& GetBestValues() const { return m_bestValues; }
    const TabuVarsInputs& Candidates() const { return m_candidates; }
    // Last iteration at which giving variable id the value index k is tabu; 0 = free.
    std::uint64_t TabuUntil(int id, int k) const {
        return m_tabuUntil[static_cast<unsigned>(id)][static_cast<unsigned>(k)];
    }
    int TabuRows() const { return static_cast<int>(m_tabuUntil.size()); }

private:
    // Rebuilds, once each, the lists of the variables whose rows changed, with the marks at t;
    // then the move lists.
    void UpdateAffected(std::uint64_t t);

    TabuVarsInputs m_candidates;
    // The best assignment of the run: objective value (0 without objective; INT_MAX = none),
    // soft cost and value indexes in problem order.
    int m_bestObjective = INT_MAX;
    int m_bestSoftCost = INT_MAX;
    std::vector<int> m_bestValues;
    std::vector<std::vector<std::uint64_t>> m_tabuUntil;
    bool m_initialised = false;
};

} // namespace GLSLib
