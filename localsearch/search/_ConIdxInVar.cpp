#include "localsearch/search/_ConIdxInVar.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/search/IdTable.hpp"

#include <algorithm>

namespace GLSLib {

ExprObj* _ConIdxInVar::RootConstraint(ExprObj* node) {
    return node->GetRoot();
}

void _ConIdxInVar::EnsureVariableRows(VarRow vars) {
    for (IntVar* x : vars) {
        const auto id = static_cast<unsigned>(x->GetId());
        if (m_varCons.size() <= id) m_varCons.resize(id + 1);
        if (m_objectiveIndex.size() <= id) m_objectiveIndex.resize(id + 1, -1);
    }
}

void _ConIdxInVar::SetRow(int conId, const std::vector<IntVar*>& vars) {
    const auto id = static_cast<unsigned>(conId);
    GrowIdTable(m_conVarStart, std::max<std::size_t>(id + 1, static_cast<unsigned>(Con::GetCount())), 0);
    GrowIdTable(m_conVarCount, m_conVarStart.size(), 0);
    if (m_conVarCount[id] >= vars.size()) {
        // In place: a row collected again is never longer.
        std::copy(vars.begin(), vars.end(), m_conVars.begin() + m_conVarStart[id]);
    } else {
        if (m_conVars.size() + vars.size() > UINT32_MAX)
            throw ModelError("Problem too large: its constraints hold too many variables");
        ReserveIdTable(m_conVars, m_conVars.size() + vars.size());
        m_conVarStart[id] = static_cast<std::uint32_t>(m_conVars.size());
        m_conVars.insert(m_conVars.end(), vars.begin(), vars.end());
    }
    m_conVarCount[id] = static_cast<std::uint32_t>(vars.size());
}

void _ConIdxInVar::CollectVariablesOfOne(Con* c) {
    std::vector<IntVar*> row;
    for (int k = 0; k < c->NumConjuncts(); ++k) {
        Con* part = c->GetConjunct(k);
        if (part == nullptr) continue;
        const int id = part->GetId();
        row.clear();
        part->GetVariables(row);
        SetRow(id, row);
        if (row.size() > 8)
            for (std::size_t i = 0; i < row.size(); ++i)
                m_index[Key(id, row[i]->GetId())] = static_cast<int>(i);
        EnsureVariableRows(row);
    }
}

void _ConIdxInVar::CollectConstraintVariables(const GLSCSP& problem) {
    m_conVarStart.assign(static_cast<unsigned>(Con::GetCount()), 0);
    m_conVarCount.assign(static_cast<unsigned>(Con::GetCount()), 0);
    m_conVars.clear();
    m_conVars.shrink_to_fit();
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
    SetRow(m_objectiveId, m_objectiveVars);
    EnsureVariableRows(m_objectiveVars);
    for (std::size_t i = 0; i < m_objectiveVars.size(); ++i) {
        m_objectiveIndex[static_cast<unsigned>(m_objectiveVars[i]->GetId())] = static_cast<int>(i);
        if (m_objectiveVars.size() > 8)
            m_index[Key(m_objectiveId, m_objectiveVars[i]->GetId())] = static_cast<int>(i);
    }
}

void _ConIdxInVar::LinkVariable(IntVar* x, const std::unordered_map<const ExprObj*, int>& targets,
                                std::vector<PendingLinks>& pending) {
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
                PendingLinks& links = pending[static_cast<unsigned>(it->second)];
                const int i = IndexOf(links.conId, x->GetId());
                if (i >= 0) links.rows[static_cast<unsigned>(i)].push_back(d);
            }
            // A tracked constraint used inside another one leads there as well.
            for (const ExprObj::Dependent& up : node->Dependents())
                stack.push_back(up.node);
        }
    }
}

void _ConIdxInVar::Flatten(PendingLinks& links) {
    const auto id = static_cast<unsigned>(links.conId);
    GrowIdTable(m_linkRow, id + 1, kNoRow);
    std::size_t count = 0;
    for (const std::vector<ExprObj::Dependent>& row : links.rows)
        count += row.size();
    if (m_linkStarts.size() + links.rows.size() + 1 > kNoRow || m_linkDeps.size() + count > kNoRow)
        throw ModelError("Problem too large: its constraints hold too many links to their variables");
    ReserveIdTable(m_linkStarts, m_linkStarts.size() + links.rows.size() + 1);
    ReserveIdTable(m_linkDeps, m_linkDeps.size() + count);
    m_linkRow[id] = static_cast<std::uint32_t>(m_linkStarts.size());
    m_linkStarts.push_back(static_cast<std::uint32_t>(m_linkDeps.size()));
    for (std::vector<ExprObj::Dependent>& row : links.rows) {
        m_linkDeps.insert(m_linkDeps.end(), row.begin(), row.end());
        m_linkStarts.push_back(static_cast<std::uint32_t>(m_linkDeps.size()));
        row = {};
    }
}

void _ConIdxInVar::BuildLinks(const GLSCSP& problem) {
    m_linkRow.assign(static_cast<unsigned>(Con::GetCount()), kNoRow);
    m_linkStarts.clear();
    m_linkDeps.clear();
    for (std::vector<VarLink>& row : m_varCons)
        row.clear();
    // Each tracked node's place in pending.
    std::unordered_map<const ExprObj*, int> targets;
    std::vector<Con*> tracked;
    auto track = [&](Con* c) {
        if (targets.emplace(c, static_cast<int>(tracked.size())).second) tracked.push_back(c);
    };
    for (Con* c : problem.GetConstraints())
        track(c);
    // The objective takes part once its variables were collected (CollectObjectiveVariables).
    if (problem.HasObjective() && m_objectiveId >= 0) track(problem.GetObjective());
    std::vector<PendingLinks> pending;
    pending.reserve(tracked.size());
    std::vector<IntVar*> vars;
    std::vector<char> seen(m_varCons.size(), 0);
    for (Con* c : tracked) {
        const VarRow row = VariablesOf(c->GetId());
        pending.push_back({c->GetId(), std::vector<std::vector<ExprObj::Dependent>>(row.size())});
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
    for (std::size_t t = 0; t < tracked.size(); ++t) {
        Con* c = tracked[t];
        Flatten(pending[t]);
        if (c == problem.GetObjective()) continue;
        const VarRow row = VariablesOf(c->GetId());
        for (std::size_t i = 0; i < row.size(); ++i)
            m_varCons[static_cast<unsigned>(row[i]->GetId())].push_back({c, static_cast<int>(i)});
    }
    for (std::vector<VarLink>& row : m_varCons)
        row.shrink_to_fit();
}

void _ConIdxInVar::LinkOne(Con* c) {
    const int id = c->GetId();
    if (VariablesOf(id).empty()) CollectVariablesOfOne(c);
    const VarRow row = VariablesOf(id);
    EnsureVariableRows(row);
    std::unordered_map<const ExprObj*, int> targets{{c, 0}};
    std::vector<PendingLinks> pending{{id, std::vector<std::vector<ExprObj::Dependent>>(row.size())}};
    for (IntVar* x : row)
        LinkVariable(x, targets, pending);
    Flatten(pending[0]);
    for (std::size_t i = 0; i < row.size(); ++i) {
        std::vector<VarLink>& links = m_varCons[static_cast<unsigned>(row[i]->GetId())];
        ReserveIdTable(links, links.size() + 1);
        links.push_back({c, static_cast<int>(i)});
    }
}

int _ConIdxInVar::IndexOf(int conId, int varId) const {
    // Short rows (most constraints) are searched directly; long ones through the map.
    if (static_cast<unsigned>(conId) < m_conVarCount.size()) {
        const VarRow row = VariablesOf(conId);
        if (row.size() <= 8) {
            for (std::size_t i = 0; i < row.size(); ++i)
                if (row[i]->GetId() == varId) return static_cast<int>(i);
            return -1;
        }
    }
    auto it = m_index.find(Key(conId, varId));
    return it == m_index.end() ? -1 : it->second;
}

_ConIdxInVar::VarRow _ConIdxInVar::VariablesOf(int conId) const {
    const auto id = static_cast<unsigned>(conId);
    if (id >= m_conVarCount.size() || m_conVarCount[id] == 0) return {};
    return {m_conVars.data() + m_conVarStart[id], m_conVarCount[id]};
}

} // namespace GLSLib
