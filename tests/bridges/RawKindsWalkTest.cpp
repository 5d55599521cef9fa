// Every raw kind through every translator: the complete-search and local-search bridges, the
// external solver's road, the description writer and the evaluator either take a node of the
// kind or refuse it with the one TranslationError; nothing else escapes. The nodes come from
// the kinds table itself, so a kind added to the table is walked too.
#include "bridges/GenExtDesc.hpp"
#include "bridges/RawEvaluator.hpp"
#include "bridges/RawGFCSolver.hpp"
#include "bridges/RawGenericSolver.hpp"
#include "bridges/TranslationError.hpp"
#include "language/ParserErr.hpp"
#include "language/raw/RawKinds.hpp"
#include "language/raw/RawTuple.hpp"
#include "bridges/ExtSolver.hpp"

#include "ExhaustiveEngine.hpp"
#include "RawBuild.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;
using namespace RawBuild;

namespace {

enum class Outcome { Handled, Refused, Escaped };

struct Result {
    Outcome outcome = Outcome::Handled;
    std::string text;
};

Result Try(const std::function<void()>& run) {
    try {
        run();
        return {Outcome::Handled, ""};
    } catch (const TranslationError& e) {
        return {Outcome::Refused, e.what()};
    } catch (const ParserErr& e) {
        return {Outcome::Escaped, "ParserErr: " + e.Message()};
    } catch (const std::exception& e) {
        return {Outcome::Escaped, std::string("std::exception: ") + e.what()};
    } catch (...) {
        return {Outcome::Escaped, "unknown exception"};
    }
}

// x, y, z over 0..3, a boolean b, sets s and t over {1, 2}.
struct Sample : MixedVars {
    Sample() : MixedVars(3, {1, 2}) {}

    // An operand of a sort for argument position i.
    E Operand(RawSort sort, int i) {
        switch (sort) {
        case RawSort::Int:
        case RawSort::Scalar:
            return i == 0 ? x : i == 1 ? y : z;
        case RawSort::Set:
            return i == 0 ? s : t;
        case RawSort::Cond:
            return E(Con(RawType::Less, i == 0 ? x : y, z));
        case RawSort::IntList:
            return Arr({x, y, z});
        case RawSort::SetList:
            return Arr({s, t});
        case RawSort::CondList:
            return Arr({E(Con(RawType::Less, x, y)), E(Con(RawType::Less, y, z))});
        case RawSort::Values:
            return Ints({2, 0, 3, 1});
        case RawSort::IntConst:
            return Int(2);
        case RawSort::None:
            break;
        }
        return Int(0);
    }

    std::vector<E> Operands(const RawKind& kind, int count) {
        std::vector<E> args;
        for (int i = 0; i < count; ++i) {
            RawSort sort = ArgSort(kind, i);
            if (sort == RawSort::None) sort = RawSort::Int;
            args.push_back(Operand(sort, i));
        }
        return args;
    }

    // A leaf node of a kind without arguments.
    E Leaf(const RawKind& kind) {
        switch (kind.type) {
        case RawType::BoolVar:
            return b;
        case RawType::IntVar:
            return x;
        case RawType::SetVar:
            return s;
        case RawType::FltVar:
            return E(new RawVar(RawType::FltVar, "f", nullptr));
        case RawType::StrVar:
            return E(new RawVar(RawType::StrVar, "w", nullptr));
        case RawType::BoolVal:
            return E(new RawBool(true));
        case RawType::IntVal:
            return Int(1);
        case RawType::FltVal:
            return Flt(1.5);
        case RawType::StrVal:
            return Str("a");
        case RawType::SetVal:
            return SetOf({1});
        case RawType::Array:
            return Ints({1, 2});
        case RawType::Range:
            return E(new RawRange(0, 1));
        case RawType::Tuple: {
            auto tuple = MakeR<RawTuple>();
            tuple->AddElement(Int(1));
            tuple->AddElement(Int(2));
            return tuple;
        }
        case RawType::IntDom:
        case RawType::SetDom:
            return E(new RawDom(kind.type, "k", Ints({1, 2})));
        case RawType::BoolDom:
        case RawType::FltDom:
        case RawType::StrDom:
            return E(new RawDom(kind.type, "k", Arr({})));
        default:
            // Kinds that name no node of their own (the unused codes, type tags, Set).
            return E(new RawExpr(kind.type));
        }
    }

    // Posts a node where a node of its kind stands: a constraint as a constraint, a soft
    // constraint among the soft ones, an objective as the objective, a set-valued node in a
    // subset, anything else compared with z.
    void Place(const RawKind& kind, E node) {
        switch (kind.family) {
        case RawFamily::Constraint:
            p.csp.AddConstraint(RPtr<RawCon>(node));
            return;
        case RawFamily::SoftConstraint:
            p.csp.AddSoftConstraint(RPtr<RawSoftCon>(node));
            return;
        case RawFamily::Objective:
            p.csp.SetObjective(RPtr<RawOpt>(node));
            return;
        default:
            if (node->IsSetValued())
                p.Post(Con(RawType::Subset, node, t));
            else
                p.Post(Con(RawType::Equal, node, z));
        }
    }

    // A node of the kind with `count` arguments; null when no such node can be made.
    E Compound(const RawKind& kind, int count) {
        std::vector<E> args = Operands(kind, count);
        switch (kind.family) {
        case RawFamily::Constraint:
            return E(new RawCon(kind.type, std::move(args)));
        case RawFamily::Operator:
            return E(new RawOp(kind.type, std::move(args)));
        case RawFamily::SoftConstraint:
            if (count != 2) return nullptr;
            return E(new RawSoftCon(args[0], args[1]));
        case RawFamily::Objective:
            if (count != 1) return nullptr;
            return E(new RawOpt(kind.type, Op(RawType::Plus, x, y)));
        default:
            return nullptr;
        }
    }

    RawSolution Assignment() const {
        RawSolution solution;
        solution.AddLabel(RawLabel("x", Int(1)));
        solution.AddLabel(RawLabel("y", Int(2)));
        solution.AddLabel(RawLabel("z", Int(3)));
        solution.AddLabel(RawLabel("b", Int(0)));
        solution.AddLabel(RawLabel("s", SetOf({1})));
        solution.AddLabel(RawLabel("t", SetOf({1, 2})));
        return solution;
    }
};

const std::vector<std::string> kTranslators = {"gfc", "local search", "ext", "writer", "evaluator"};

// Each translator's outcome on the problem.
std::map<std::string, Result> WalkAll(Sample& sample) {
    RawCSP& csp = sample.p.csp;
    std::map<std::string, Result> results;
    results["gfc"] = Try([&] {
        const AlgParams params = AlgParams::Defaults(AlgParams::Family::CompleteSearch);
        RawGFCSolver solver(&csp, &params);
    });
    results["local search"] = Try([&] {
        const AlgParams params = AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch);
        RawGenericSolver solver(&csp, &params, std::make_unique<ExhaustiveEngine>());
    });
    results["ext"] = Try([&] { ExtSolver solver(&csp, ExtSolver::DefaultParams()); });
    results["writer"] = Try([&] { (void)GenExtDesc::Describe(csp); });
    results["evaluator"] = Try([&] {
        TavBridges::RawEvaluator evaluator(csp);
        (void)evaluator.Evaluate(sample.Assignment());
    });
    return results;
}

std::string Describe(Outcome outcome) {
    return outcome == Outcome::Handled ? "handled" : outcome == Outcome::Refused ? "refused" : "ESCAPED";
}

} // namespace

TEST(RawKindsWalk, EveryTranslatorHandlesOrRefusesEveryKind) {
    int walked = 0;
    for (const RawKind& kind : kRawKinds) {
        SCOPED_TRACE(std::string("kind ") + kind.name + " (" + std::to_string(ToCode(kind.type)) + ")");
        Sample sample;
        E node = kind.maxArgs > 0
                     ? sample.Compound(kind, kind.minArgs == 1 && kind.maxArgs > 2 ? 2 : kind.minArgs)
                     : sample.Leaf(kind);
        ASSERT_TRUE(node);
        sample.Place(kind, node);
        const std::map<std::string, Result> results = WalkAll(sample);
        bool anyBridgeHandles = false;
        for (const std::string& who : kTranslators) {
            const Result& r = results.at(who);
            EXPECT_NE(r.outcome, Outcome::Escaped) << who << ": " << r.text;
            if (who != "evaluator" && r.outcome == Outcome::Handled) anyBridgeHandles = true;
        }
        // A solution of anything a bridge takes must be checkable.
        if (anyBridgeHandles) {
            EXPECT_EQ(results.at("evaluator").outcome, Outcome::Handled) << results.at("evaluator").text;
        }
        ++walked;
    }
    EXPECT_EQ(walked, static_cast<int>(std::size(kRawKinds)));
}

TEST(RawKindsWalk, ArgumentCountsOutsideTheKindsAreRefusedByEveryTranslator) {
    for (const RawKind& kind : kRawKinds) {
        if (kind.family != RawFamily::Constraint && kind.family != RawFamily::Operator) continue;
        std::vector<int> counts;
        if (kind.minArgs > 0) counts.push_back(kind.minArgs - 1);
        if (kind.maxArgs < kRawAnyArgs) counts.push_back(kind.maxArgs + 1);
        for (int count : counts) {
            SCOPED_TRACE(std::string("kind ") + kind.name + " with " + std::to_string(count) + " arguments");
            Sample sample;
            sample.Place(kind, sample.Compound(kind, count));
            for (const auto& [who, r] : WalkAll(sample)) {
                EXPECT_EQ(r.outcome, Outcome::Refused) << who << " " << Describe(r.outcome) << ": " << r.text;
            }
        }
    }
}

TEST(RawKindsWalk, TheTableNamesEveryKindAsRawTypeNameDoes) {
    for (const RawKind& kind : kRawKinds) {
        EXPECT_EQ(RawTypeName(kind.type), kind.name);
        EXPECT_EQ(FindRawKind(kind.type), &kind);
    }
    EXPECT_EQ(FindRawKind(static_cast<RawType>(61)), nullptr);
}
