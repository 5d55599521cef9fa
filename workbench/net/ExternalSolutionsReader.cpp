#include "workbench/net/ExternalSolutionsReader.hpp"

#include "bridges/RawEvaluator.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSet.hpp"
#include "language/raw/RawSolution.hpp"
#include "language/raw/RawValueText.hpp"
#include "platform/Cancelled.hpp"
#include "platform/TextTokens.hpp"

#include <cmath>
#include <map>
#include <string_view>
#include <vector>

using namespace TavLanguage;

namespace TavNet {

namespace {

// The solutions text's tokens; faults are worded as the server's notices show them.
class Tokens : public Platform::TextTokens {
public:
    using TextTokens::TextTokens;

protected:
    std::exception_ptr ErrorFor(const Fault& fault) const override {
        return std::make_exception_ptr(SolutionsTextError(Wording(fault)));
    }

private:
    static std::string Wording(const Fault& fault) {
        switch (fault.kind) {
        case Fault::Kind::EndOfText:
            return "the text ends before " + fault.what;
        case Fault::Kind::NotANumber:
            return fault.what + " is not a number: \"" + fault.shown + "\"";
        case Fault::Kind::Negative:
        case Fault::Kind::TooMany:
            return fault.what + " " + std::to_string(fault.count) + " is more than the text holds";
        case Fault::Kind::Refused:
            break;
        }
        return fault.what;
    }
};

// "__s[3]" names an element variable of the set variable s.
bool IsElementOfSet(std::string_view name, const std::map<std::string, std::size_t, std::less<>>& sets) {
    if (name.size() < 5 || name.substr(0, 2) != "__" || name.back() != ']') return false;
    const std::size_t open = name.rfind('[');
    if (open == std::string_view::npos || open < 3) return false;
    return sets.count(name.substr(2, open - 2)) > 0;
}

} // namespace

ExternalSolutions ExternalSolutionsReader::Read(const std::string& text, const RawCSP& problem,
                                                const std::atomic<bool>* stop) {
    const auto checkStop = [stop] {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) throw Platform::Cancelled();
    };
    ExternalSolutions result;
    std::map<std::string, std::size_t, std::less<>> intVars;
    std::map<std::string, std::size_t, std::less<>> setVars;
    const auto& variables = problem.GetVariables();
    for (std::size_t i = 0; i < variables.size(); ++i) {
        const std::string name = variables[i]->GetName();
        result.columns.push_back(name);
        (variables[i]->GetType() == RawType::SetVar ? setVars : intVars)[name] = i;
    }
    const bool hasObjective = static_cast<bool>(problem.GetObjective());
    const bool hasSoft = problem.HasSoftConstraints();
    const TavBridges::RawEvaluator evaluator(problem);

    Tokens tokens(text);
    checkStop();
    // A solution takes at least its label, its pair count and two labelled costs.
    const int count = tokens.Count("the number of solutions", 6, kMaxSolutions);
    for (int s = 0; s < count; ++s) {
        checkStop();
        const std::string which = "solution " + std::to_string(s + 1);
        tokens.Word("a solution's label");
        const int pairs = tokens.Count("the number of values", 2);
        std::vector<std::optional<int>> ints(variables.size());
        std::vector<std::vector<int>> sets(variables.size());
        for (int p = 0; p < pairs; ++p) {
            const std::string_view name = tokens.Word("a variable's name");
            const int value = tokens.Number("a variable's value");
            if (auto it = intVars.find(name); it != intVars.end()) {
                if (ints[it->second])
                    throw SolutionsTextError(which + " gives " + std::string(name) + " twice");
                ints[it->second] = value;
            } else if (auto set = setVars.find(name); set != setVars.end()) {
                sets[set->second].push_back(value);
            } else if (!IsElementOfSet(name, setVars)) {
                throw SolutionsTextError(which + " names " + Platform::TextTokens::Shown(name) +
                                         ", which is no variable of the problem");
            }
        }
        tokens.Word("the cost's label");
        tokens.Number("the cost");
        tokens.Word("the soft cost's label");
        tokens.Number("the soft cost");

        RawSolution raw;
        ExternalSolution solution;
        for (std::size_t i = 0; i < variables.size(); ++i) {
            const std::string& name = result.columns[i];
            if (setVars.count(name)) {
                auto members = MakeR<RawSet>();
                for (int v : sets[i])
                    members->AddElement(RPtr<RawExpr>(new RawInt(v)));
                solution.values.push_back(RawValueText(*members));
                raw.AddLabel(RawLabel(name, members));
            } else {
                if (!ints[i]) throw SolutionsTextError(which + " gives no value for " + name);
                const RPtr<RawExpr> value(new RawInt(*ints[i]));
                solution.values.push_back(RawValueText(*value));
                raw.AddLabel(RawLabel(name, value));
            }
        }
        TavBridges::RawEvaluation evaluation;
        try {
            evaluation = evaluator.Evaluate(raw);
        } catch (const std::exception& e) {
            throw SolutionsTextError(which + " cannot be checked: " + e.what());
        }
        if (!evaluation.feasible)
            throw SolutionsTextError(
                which + " does not hold: " +
                (evaluation.faults.empty() ? std::string("?") : evaluation.faults.front()));
        if (hasObjective) solution.cost = std::llround(evaluation.objective);
        if (hasSoft) solution.softCost = evaluation.softCost;
        result.solutions.push_back(std::move(solution));
    }
    if (tokens.Remaining() > 0) throw SolutionsTextError("the text goes on after its last solution");
    return result;
}

} // namespace TavNet
