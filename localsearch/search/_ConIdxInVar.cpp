#include "localsearch/search/_ConIdxInVar.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"

#include <algorithm>

namespace GLSLib {

namespace {
const std::vector<IntVar*> kNoVariables;
} // namespace

ExprObj* _ConIdxInVar::RootConstraint(ExprObj* node) {
    return node->GetRoot();
}

void _ConIdxInVar::EnsureVariableRows(const std::vector<IntVar*>& vars) {
    for (IntVar* x : vars) {
        const auto id = static_cast<unsigned>(x->GetId());
        if (m_varCons.size() <= id) m_varCons.resize(id + 1);
        if (m_objectiveIndex.size() <= id) m_objectiveIndex.resize(id + 1, -1);
    }
}

void _ConIdxInVar::CollectVariablesOfOne(Con* c) {
    const auto count = static_cast<unsigned>(Con::GetCount());
    if (m_conVars.size() < count) m_conVars.resize(count);
    for (int k = 0; k < c->NumConjuncts(); ++k) {
        Con* part = c->GetConjunct(k);
        if (part == nullptr) continue;
        const int id = part->GetId();
        std::vector<IntVar*>& row = m_conVars[static_cast<unsigned>(id)];
        row.clear();
        part->GetVariables(row);
        if (row.size() > 8)
            for (std::size_t i = 0; i < row.size(); ++i)
                m_index[Key(id, row[i]->GetId())] = static_cast<int>(i);
        EnsureVariableRows(row);
    }
}

void _ConIdxInVar::CollectConstraintVariables(const GLSCSP& problem) {
    m_conVars.assign(static_cast<unsigned>(Con::GetCount()), {});
    EnsureVariableRows(problem.GetVariables());
    for (Con* c : problem.GetConstraints())
        CollectVariablesOfOne(c);
}

void _ConIdxInVar::CollectObjectiveVariables(const GLSCSP& problem) {
    m_objectiveVars.clear();
    m_objectiveId = -1;
    std::fill(m_objectiveIndex.begin(), m_objectiveIndex.end(), -1);
    if (!problem.HasObjective()) return;
    Minimise* objective = problem.GetObjective();
    for (int k = 0; k < objective->NumConjuncts(); ++k)
        if (Con* part = objective->GetConjunct(k)) part->GetVariables(m_objectiveVars);
    m_objectiveId = objective->GetId();
    const auto count = static_cast<unsigned>(Con::GetCount());
    if (m_conVars.size() < count) m_conVars.resize(count);
    m_conVars[static_cast<unsigned>(m_objectiveId)] = m_objectiveVars;
    EnsureVariableRows(m_objectiveVars);
    for (std::size_t i = 0; i < m_objectiveVars.size(); ++i) {
        m_objectiveIndex[static_cast<unsigned>(m_objectiveVars[i]->GetId())] = static_cast<int>(i);
        if (m_objectiveVars.size() > 8)
            m_index[Key(m_objectiveId, m_objectiveVars[i]->GetId())] = static_cast<int>(i);
    }
}

void _ConIdxInVar::LinkVariable(IntVar* x, const std::unordered_map<const ExprObj*, int>& targets,
                                std::vector<std::vector<std::vector<ExprObj::Dependent>>>& pending) {
    std::vector<ExprObj*> stack;
    std::vector<ExprObj*> visited;
    for (const ExprObj::Dependent& d : x->Dependents()) {
        stack.assign(1, d.node);
        visited.clear();
        while (!stack.empty()) {
            ExprObj* node = stack.back();
            stack.pop_back();
            if (std::find(visited.begin(), visited.end(), node) != visited.end()) continue;
            visited.push_back(node);
            auto it = targets.find(node);
            if (it != targets.end()) {
                const int conId = it->second;
                const int i = IndexOf(conId, x->GetId());
                if (i >= 0) pending[static_cast<unsigned>(conId)][static_cast<unsigned>(i)].push_back(d);
            }
            // A tracked constraint used inside another one leads there as well.
            for (const ExprObj::Dependent& up : node->Dependents())
                stack.push_back(up.node);
        }
    }
}

void _ConIdxInVar::Flatten(int conId, std::vector<std::vector<ExprObj::Dependent>>& rows) {
    const auto id = static_cast<unsigned>(conId);
    if (m_linkStart.size() <= id) {
        m_linkStart.resize(id + 1);
        m_linkDeps.resize(id + 1);
    }
    std::vector<int>& start = m_linkStart[id];
    std::vector<ExprObj::Dependent>& deps = m_linkDeps[id];
    start.assign(1, 0);
    deps.clear();
    for (std::vector<ExprObj::Dependent>& row : rows) {
        deps.insert(deps.end(), row.begin(), row.end());
        start.push_back(static_cast<int>(deps.size()));
        row.clear();
    }
}

void _ConIdxInVar::BuildLinks(const GLSCSP& problem) {
    const auto count = static_cast<unsigned>(Con::GetCount());
    m_linkStart.assign(count, {});
    m_linkDeps.assign(count, {});
    for (std::vector<VarLink>& row : m_varCons)
        row.clear();
    std::unordered_map<const ExprObj*, int> targets;
    std::vector<Con*> tracked;
    for (Con* c : problem.GetConstraints())
        if (targets.emplace(c, c->GetId()).second) tracked.push_back(c);
    // The objective takes part once its variables were collected (CollectObjectiveVariables).
    if (problem.HasObjective() && m_objectiveId >= 0 &&
        targets.emplace(problem.GetObjective(), m_objectiveId).second)
        tracked.push_back(problem.GetObjective());
    std::vector<std::vector<std::vector<ExprObj::Dependent>>> pending(count);
    std::vector<IntVar*> vars;
    std::vector<char> seen(m_varCons.size(), 0);
    for (Con* c : tracked) {
        const std::vector<IntVar*>& row = VariablesOf(c->GetId());
        pending[static_cast<unsigned>(c->GetId())].resize(row.size());
        for (IntVar* x : row) {
            const auto id = static_cast<unsigned>(x->GetId());
            if (id >= seen.size()) seen.resize(id + 1, 0);
            if (!seen[id]) {
                seen[id] = 1;
                vars.push_back(x);
            }
        }
    }
    EnsureVariableRows(vars);
    for (IntVar* x : vars)
        LinkVariable(x, targets, pending);
    for (Con* c : tracked) {
        Flatten(c->GetId(), pending[static_cast<unsigned>(c->GetId())]);
        if (c == problem.GetObjective()) continue;
        const std::vector<IntVar*>& row = VariablesOf(c->GetId());
        for (std::size_t i = 0; i < row.size(); ++i)
            m_varCons[static_cast<unsigned>(row[i]->GetId())].push_back({c, static_cast<int>(i)});
    }
}

void _ConIdxInVar::LinkOne(Con* c) {
    const int id = c->GetId();
    if (static_cast<unsigned>(id) >= m_conVars.size() || m_conVars[static_cast<unsigned>(id)].empty())
        CollectVariablesOfOne(c);
    const std::vector<IntVar*>& row = VariablesOf(id);
    EnsureVariableRows(row);
    std::unordered_map<const ExprObj*, int> targets{{c, id}};
    std::vector<std::vector<std::vector<ExprObj::Dependent>>> pending(static_cast<unsigned>(id) + 1);
    pending[static_cast<unsigned>(id)].resize(row.size());
    for (IntVar* x : row)
        LinkVariable(x, targets, pending);
    Flatten(id, pending[static_cast<unsigned>(id)]);
    for (std::size_t i = 0; i < row.size(); ++i)
        m_varCons[static_cast<unsigned>(row[i]->GetId())].push_back({c, static_cast<int>(i)});
}

int _ConIdxInVar::IndexOf(int conId, int varId) const {
    // Short rows (most constraints) are searched directly; long ones through the map.
    if (static_cast<unsigned>(conId) < m_conVars.size()) {
        const std::vector<IntVar*>& row = m_conVars[static_cast<unsigned>(conId)];
        if (row.size() <= 8) {
            for (std::size_t i = 0; i < row.size(); ++i)
                if (row[i]->GetId() == varId) return static_cast<int>(i);
            return -1;
        }
    }
    auto it = m_index.find(Key(conId, varId));
    return it == m_index.end() ? -1 : it->second;
}

const std::vector<IntVar*>& _ConIdxInVar::VariablesOf(int conId) const {
    if (static_cast<unsigned>(conId) >= m_conVars.size()) return kNoVariables;
    return m_conVars[static_cast<unsigned>(conId)];
}

} // namespace GLSLib
