#pragma once
// Brute-force oracle for small raw problems: enumerates every assignment of the decision
// variables over their domains and keeps those the evaluator accepts. Also gives a canonical
// key per solution so that solver output can be compared with the oracle as a set.

#include "bridges/RawEvaluator.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/raw/RawSolver.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSet.hpp"
#include "language/raw/RawStr.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace BruteForce {

// Canonical text of a label value (sets with sorted elements).
inline std::string ValueKey(const TavLanguage::RawExpr& value) {
    std::ostringstream out;
    if (value.GetType() == TavLanguage::RawType::SetVal) {
        std::vector<int> elements;
        for (int i = 0; i < value.GetSize(); ++i)
            elements.push_back(value.GetElement(i)->GetInt());
        std::sort(elements.begin(), elements.end());
        out << "{";
        for (std::size_t i = 0; i < elements.size(); ++i)
            out << (i ? "," : "") << elements[i];
        out << "}";
    } else if (value.IsStr()) {
        out << '"' << value.GetStr() << '"';
    } else {
        out << value.GetInt();
    }
    return out.str();
}

// "name=value;" for every decision variable, in the problem's variable order.
inline std::string SolutionKey(const TavLanguage::RawCSP& problem, const TavLanguage::RawSolution& solution) {
    std::string key;
    for (const auto& var : problem.GetVariables()) {
        const TavLanguage::RawLabel* label = solution.FindLabel(var->GetName());
        key += var->GetName() + "=" +
               (label != nullptr && label->GetValue() ? ValueKey(*label->GetValue()) : "?") + ";";
    }
    return key;
}

// The keys of the solutions of up to `runs` calls of solver.Solve, stopping at the first that
// finds nothing: what a solver gives, to compare it with the same solver elsewhere.
inline std::vector<std::string> RunKeys(const TavLanguage::RawCSP& problem, TavLanguage::RawSolver& solver,
                                        int runs) {
    std::vector<std::string> keys;
    for (int k = 0; k < runs && solver.Solve(); ++k)
        keys.push_back(SolutionKey(problem, solver.GetSolutions().Last()));
    return keys;
}

// The RunKeys of a solver made by `make` alone; then of two more, made one after the other on
// this thread and solved at once on two others (as an Expert solve keeps them): alone, first,
// second.
inline std::array<std::vector<std::string>, 3>
RunKeysAloneAndSideBySide(const TavLanguage::RawCSP& problem,
                          const std::function<std::unique_ptr<TavLanguage::RawSolver>()>& make, int runs) {
    std::array<std::vector<std::string>, 3> keys;
    keys[0] = RunKeys(problem, *make(), runs);
    std::unique_ptr<TavLanguage::RawSolver> a = make();
    std::unique_ptr<TavLanguage::RawSolver> b = make();
    std::thread ta([&] { keys[1] = RunKeys(problem, *a, runs); });
    std::thread tb([&] { keys[2] = RunKeys(problem, *b, runs); });
    ta.join();
    tb.join();
    return keys;
}

// The candidate values of one variable.
inline std::vector<TavLanguage::RPtr<TavLanguage::RawExpr>> Candidates(const TavLanguage::RawCSP& problem,
                                                                       const TavLanguage::RawVar& var) {
    std::vector<TavLanguage::RPtr<TavLanguage::RawExpr>> result;
    if (var.GetType() == TavLanguage::RawType::BoolVar) {
        result.push_back(TavLanguage::RPtr<TavLanguage::RawExpr>(new TavLanguage::RawInt(0)));
        result.push_back(TavLanguage::RPtr<TavLanguage::RawExpr>(new TavLanguage::RawInt(1)));
        return result;
    }
    TavLanguage::RPtr<TavLanguage::RawDom> domain =
        var.GetDomain() ? var.GetDomain() : problem.FindDomain(var.GetDomainName());
    const TavLanguage::RPtr<TavLanguage::RawCol>& values = domain->GetValues();
    if (var.GetType() == TavLanguage::RawType::SetVar) {
        const int n = values->GetSize();
        for (int mask = 0; mask < (1 << n); ++mask) {
            auto set = TavLanguage::MakeR<TavLanguage::RawSet>();
            for (int i = 0; i < n; ++i)
                if (mask & (1 << i)) set->AddElement(values->GetElement(i));
            result.push_back(set);
        }
        return result;
    }
    for (int i = 0; i < values->GetSize(); ++i)
        result.push_back(values->GetElement(i));
    return result;
}

struct Oracle {
    // Keys of every feasible assignment.
    std::set<std::string> solutions;
    // Per feasible assignment: its evaluation (objective, soft cost), by key.
    std::map<std::string, TavBridges::RawEvaluation> evaluations;
};

// An evaluator value for a candidate raw value.
inline TavBridges::RawEvaluator::Value ToValue(const TavLanguage::RawExpr& raw) {
    TavBridges::RawEvaluator::Value value;
    if (raw.GetType() == TavLanguage::RawType::SetVal) {
        value.kind = TavBridges::RawEvaluator::Value::Kind::Set;
        for (int i = 0; i < raw.GetSize(); ++i)
            value.setValue.insert(raw.GetElement(i)->GetInt());
    } else if (raw.IsStr()) {
        value.kind = TavBridges::RawEvaluator::Value::Kind::Str;
        value.strValue = raw.GetStr();
    } else {
        value.intValue = raw.GetInt();
    }
    return value;
}

// Every feasible assignment of a small problem. Hard constraints are checked on an assignment
// map kept up to date in place; only the assignments that pass are built into solutions and
// evaluated whole (domains, objective, soft cost).
inline Oracle Solve(const TavLanguage::RawCSP& problem) {
    TavBridges::RawEvaluator evaluator(problem);
    const auto& vars = problem.GetVariables();
    std::vector<std::vector<TavLanguage::RPtr<TavLanguage::RawExpr>>> candidates;
    std::vector<std::vector<TavBridges::RawEvaluator::Value>> values;
    for (const auto& var : vars) {
        candidates.push_back(Candidates(problem, *var));
        values.emplace_back();
        for (const auto& c : candidates.back())
            values.back().push_back(ToValue(*c));
    }
    Oracle oracle;
    for (const auto& c : candidates)
        if (c.empty()) return oracle;
    std::vector<std::size_t> at(vars.size(), 0);
    TavBridges::RawEvaluator::Assignment assignment;
    std::vector<TavBridges::RawEvaluator::Value*> slots;
    for (std::size_t i = 0; i < vars.size(); ++i)
        slots.push_back(&(assignment[vars[i]->GetName()] = values[i][0]));
    while (true) {
        bool holds = true;
        for (const auto& constraint : problem.GetConstraints()) {
            if (!evaluator.Holds(*constraint, assignment)) {
                holds = false;
                break;
            }
        }
        if (holds) {
            TavLanguage::RawSolution solution(1);
            for (std::size_t i = 0; i < vars.size(); ++i)
                solution.AddLabel(TavLanguage::RawLabel(vars[i]->GetName(), candidates[i][at[i]]));
            TavBridges::RawEvaluation e = evaluator.Evaluate(solution);
            if (e.feasible) {
                const std::string key = SolutionKey(problem, solution);
                oracle.solutions.insert(key);
                oracle.evaluations[key] = e;
            }
        }
        std::size_t k = 0;
        while (k < vars.size() && ++at[k] == candidates[k].size()) {
            at[k] = 0;
            *slots[k] = values[k][0];
            ++k;
        }
        if (k == vars.size()) break;
        *slots[k] = values[k][at[k]];
    }
    return oracle;
}

} // namespace BruteForce
