#pragma once
// The structure tables of a problem: for every constraint (and conjunct) the distinct integer
// variables it depends on, for every variable the problem constraints on it, and the links:
// for each problem constraint c (or the objective) and each variable x of c, the dependents of
// x through which a change of x reaches c. Passing x's value through those dependents alone
// re-evaluates c and nothing else that needs it.
// The links are found by walking upward from each dependent, so they do not depend on the
// order in which the objective and the constraints were built, and a subexpression shared by
// several constraints is linked to each of them.

#include "localsearch/ExprObj.hpp"

#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

namespace GLSLib {

class Con;
class GLSCSP;
class IntVar;

class _ConIdxInVar {
public:
    // A problem constraint on a variable, with the variable's index in the constraint's row.
    struct VarLink {
        Con* con;
        int index;
    };
    // The dependents of one variable that lead to one constraint: [begin, end).
    struct LinkSpan {
        const ExprObj::Dependent* begin;
        const ExprObj::Dependent* end;
    };

    virtual ~_ConIdxInVar() = default;

    // With an objective: its conjuncts' distinct integer variables fill the objective row.
    void CollectObjectiveVariables(const GLSCSP& problem);
    // Rows sized to the constraint count; every conjunct of every constraint gets the row of
    // its distinct integer variables (in the order of the expression walk).
    void CollectConstraintVariables(const GLSCSP& problem);
    // The same for one constraint (a constraint joining the search).
    void CollectVariablesOfOne(Con* c);
    // Links and per-variable constraint lists for every constraint of the problem and the
    // objective.
    void BuildLinks(const GLSCSP& problem);
    // Links and per-variable entries of a constraint added after BuildLinks.
    void LinkOne(Con* c);

    // A constraint's distinct integer variables: valid until the next collection of variables.
    using VarRow = std::span<IntVar* const>;

    // Index of variable x id in constraint c id's row; -1 when x is not in it.
    int IndexOf(int conId, int varId) const;
    VarRow VariablesOf(int conId) const;
    IntVar* Variable(int conId, int i) const { return VariablesOf(conId)[static_cast<unsigned>(i)]; }
    const std::vector<IntVar*>& ObjectiveVariables() const { return m_objectiveVars; }
    // The objective's id, -1 without objective.
    int ObjectiveId() const { return m_objectiveId; }
    // Index of the variable in the objective row, -1 when it is not in the objective.
    int ObjectiveIndex(int varId) const {
        return static_cast<unsigned>(varId) < m_objectiveIndex.size()
                   ? m_objectiveIndex[static_cast<unsigned>(varId)]
                   : -1;
    }
    // True for the problem constraints and the objective, which have links.
    bool HasLinks(int conId) const {
        return static_cast<unsigned>(conId) < m_linkRow.size() &&
               m_linkRow[static_cast<unsigned>(conId)] != kNoRow;
    }
    // The dependents of variable i of constraint conId that lead to it (constraint with links).
    // Valid until links are next built or added.
    LinkSpan Link(int conId, int i) const {
        const std::uint32_t* start = m_linkStarts.data() + m_linkRow[static_cast<unsigned>(conId)] + i;
        return {m_linkDeps.data() + start[0], m_linkDeps.data() + start[1]};
    }
    // The problem constraints on the variable (objective excluded), in the problem's order.
    const std::vector<VarLink>& ConstraintsOf(int varId) const {
        return m_varCons[static_cast<unsigned>(varId)];
    }
    // Number of variable rows (largest variable id + 1).
    int NumVariableRows() const { return static_cast<int>(m_varCons.size()); }

    // The node reached by following the first dependent upward from node.
    static ExprObj* RootConstraint(ExprObj* node);

private:
    void EnsureVariableRows(VarRow vars);
    // Makes vars the row of constraint conId.
    void SetRow(int conId, const std::vector<IntVar*>& vars);
    // The links found for one tracked node: its id and, per variable of its row, the dependents.
    struct PendingLinks {
        int conId;
        std::vector<std::vector<ExprObj::Dependent>> rows;
    };
    // Links of the tracked nodes (targets gives each its place in pending) for the variable x:
    // each dependent of x is followed upward to every tracked node it reaches.
    void LinkVariable(IntVar* x, const std::unordered_map<const ExprObj*, int>& targets,
                      std::vector<PendingLinks>& pending);
    // Appends the links of one tracked node.
    void Flatten(PendingLinks& links);
    static std::uint64_t Key(int conId, int varId) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(conId)) << 32) |
               static_cast<std::uint32_t>(varId);
    }

    // The rows of variables in one flat table, so that a constraint costs no block of its own:
    // constraint c's are the m_conVarCount[c] entries of m_conVars from m_conVarStart[c].
    std::vector<std::uint32_t> m_conVarStart;
    std::vector<std::uint32_t> m_conVarCount;
    std::vector<IntVar*> m_conVars;
    std::vector<IntVar*> m_objectiveVars;
    int m_objectiveId = -1;
    std::vector<int> m_objectiveIndex;
    // The links of every constraint in three flat tables, so that a constraint costs no block
    // of its own: the dependents of variable i of constraint c are m_linkDeps[m_linkStarts[r + i]]
    // up to m_linkDeps[m_linkStarts[r + i + 1]], r = m_linkRow[c]; kNoRow for no links.
    static constexpr std::uint32_t kNoRow = UINT32_MAX;
    std::vector<std::uint32_t> m_linkRow;
    std::vector<std::uint32_t> m_linkStarts;
    std::vector<ExprObj::Dependent> m_linkDeps;
    std::unordered_map<std::uint64_t, int> m_index;
    std::vector<std::vector<VarLink>> m_varCons;
};

} // namespace GLSLib
