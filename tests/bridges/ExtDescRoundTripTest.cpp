// The writer and the reader together: the model that the external solver rebuilds from the
// description text must mean what the local-search bridge's model means. For every example
// problem and the bridge's own cases, both models are evaluated under the same random
// assignments and must agree on the hard violation, the soft violation and the objective.

#include "bridges/GenExtDesc.hpp"
#include "bridges/RawGenericSolver.hpp"
#include "bridges/TranslationError.hpp"
#include "extcore/RebuildConsTree.hpp"
#include "language/RawParser.hpp"

#include "BridgeCases.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/SetVar.hpp"
#include "platform/Random.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;
using namespace GLSLib;

namespace {

// An engine that only holds the bridge's model.
class ModelOnlyEngine : public GGLS {
public:
    bool Solve() override { return false; }
    bool CanImprove(Con*) override { return false; }
    int GetCost() override { return INT_MAX; }
    int GetSoftCost() override { return 0; }
    void Stop() override {}
    bool IsSolved() override { return false; }
    std::ostream& PrintStatistics(std::ostream& os) override { return os; }
    void SetParameter(int, int) override {}
    GLSCSP* GetCSP() override { return &m_csp; }

private:
    GLSCSP m_csp;
};

// Values by variable name: an integer for integer and boolean variables, member flags by
// universe position for set variables.
struct Assignment {
    std::map<std::string, int> ints;
    std::map<std::string, std::vector<int>> sets;
};

std::vector<Assignment> RandomAssignments(const RawCSP& csp, int count, unsigned seed) {
    Platform::Random random(seed);
    std::vector<Assignment> result;
    for (int n = 0; n < count; ++n) {
        Assignment a;
        for (const auto& v : csp.GetVariables()) {
            if (v->GetType() == RawType::BoolVar) {
                a.ints[v->GetName()] = random.Below(2);
                continue;
            }
            const RPtr<RawCol>& values = v->GetDomain()->GetValues();
            if (v->GetType() == RawType::SetVar) {
                std::vector<int> flags;
                for (int i = 0; i < values->GetSize(); ++i)
                    flags.push_back(random.Below(2));
                a.sets[v->GetName()] = flags;
            } else {
                a.ints[v->GetName()] = values->GetElement(random.Below(values->GetSize()))->GetInt();
            }
        }
        result.push_back(a);
    }
    return result;
}

struct Evaluation {
    long long hard = 0;
    long long soft = 0;
    int objective = 0;
    bool operator==(const Evaluation&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Evaluation& e) {
    return os << "{hard " << e.hard << ", soft " << e.soft << ", objective " << e.objective << "}";
}

// Violations are summed as the engines see them: each constraint's truncated to an integer,
// so that a conjunction posted whole and its conjuncts posted apart count alike.
std::vector<Evaluation> Evaluate(GLSCSP& csp, const std::vector<Assignment>& assignments) {
    std::vector<Evaluation> result;
    for (const Assignment& a : assignments) {
        for (const auto& [name, value] : a.ints) {
            IntVar* v = csp.FindVariable(name);
            if (v == nullptr) ADD_FAILURE() << "no variable " << name;
            if (v == nullptr) return result;
            v->SetValueIndex(v->GetDomain()->IndexOf(value));
        }
        for (const auto& [name, flags] : a.sets) {
            SetVar* s = csp.FindSetVariable(name);
            if (s == nullptr) ADD_FAILURE() << "no set variable " << name;
            if (s == nullptr) return result;
            for (std::size_t i = 0; i < flags.size(); ++i)
                static_cast<IntVar*>(s->GetArg(static_cast<int>(i)))->SetValueIndex(flags[i]);
            s->Initialise();
        }
        Evaluation e;
        for (Con* c : csp.GetConstraints()) {
            c->Initialise();
            (c->IsHard() ? e.hard : e.soft) += static_cast<long long>(c->GetViolation());
        }
        if (Minimise* objective = csp.GetObjective()) {
            objective->Initialise();
            e.objective = objective->GetObjectiveValue();
        }
        result.push_back(e);
    }
    return result;
}

enum class Outcome { Compared, BridgeRefused, WriterRefused };

// Compares the two models of one problem; fails the test where they disagree.
Outcome CompareModels(RawCSP& problem, int assignments, unsigned seed) {
    const std::vector<Assignment> values = RandomAssignments(problem, assignments, seed);
    std::vector<Evaluation> bridgeResults;
    try {
        const AlgParams params = AlgParams::Defaults(AlgParams::Family::GuidedLocalSearch);
        RawGenericSolver bridge(&problem, &params, std::make_unique<ModelOnlyEngine>());
        bridgeResults = Evaluate(*bridge.GetEngine().GetCSP(), values);
    } catch (const TranslationError&) {
        // The writer must not claim what the bridge cannot build either.
        EXPECT_THROW(GenExtDesc::Describe(problem), GenExtDesc::Unexpressible);
        return Outcome::BridgeRefused;
    }
    EXPECT_EQ(Obj::RegistrySize(), 0u);

    std::string text;
    try {
        text = GenExtDesc::Describe(problem);
    } catch (const GenExtDesc::Unexpressible& e) {
        ADD_FAILURE() << "the bridge builds it but the writer refuses: " << e.what();
        return Outcome::WriterRefused;
    }
    GLSCSP rebuilt;
    Melvane::RebuildConsTree reader;
    try {
        reader.Parse(text, &rebuilt);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "the reader refuses what the writer wrote: " << e.what() << "\n" << text;
        Obj::DeleteAll();
        return Outcome::Compared;
    }
    const std::vector<Evaluation> readerResults = Evaluate(rebuilt, values);
    Obj::DeleteAll();

    EXPECT_EQ(readerResults.size(), bridgeResults.size());
    for (std::size_t i = 0; i < std::min(readerResults.size(), bridgeResults.size()); ++i)
        if (readerResults[i] != bridgeResults[i]) {
            ADD_FAILURE() << "assignment " << i << " (seed " << seed << "): bridge " << bridgeResults[i]
                          << ", reader " << readerResults[i] << "\n"
                          << text;
            break;
        }
    return Outcome::Compared;
}

} // namespace

TEST(ExtDescRoundTrip, ExampleProblemsMeanTheSameInBothModels) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TAV_EXAMPLES_DIR))
        if (entry.path().extension() == ".csp") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    int compared = 0;
    int withoutReals = 0;
    unsigned seed = 1000;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        RawCSP problem;
        ASSERT_TRUE(ParseCSPFile(file.string(), nullptr, &problem).IsOk());
        if (!problem.GetRealVariables().empty()) {
            EXPECT_THROW(GenExtDesc::Describe(problem), GenExtDesc::Unexpressible);
            continue;
        }
        ++withoutReals;
        if (CompareModels(problem, 200, ++seed) == Outcome::Compared) ++compared;
    }
    // Every example without real variables that local search can take is stated and read back
    // (one counts over sets, which neither the bridge nor the text can state).
    EXPECT_GE(compared, withoutReals - 1);
}

TEST(ExtDescRoundTrip, BridgeCasesMeanTheSameInBothModels) {
    using namespace BridgeCases;
    unsigned seed = 2000;
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        for (int objective = 0; objective < 3; ++objective) {
            Problem p;
            Vars v = Declare(p);
            c.build(p, v);
            if (objective == 1) p.Minimise(Op(RawType::Minus, v.x, Op(RawType::Times, v.y, Int(2))));
            if (objective == 2) {
                p.Maximise(Op(RawType::Plus, v.z, Op(RawType::Cardinality, v.s)));
                p.Soft(RawBuild::Con(RawType::Less, v.x, v.z), 5);
            }
            EXPECT_EQ(CompareModels(p.csp, 100, ++seed), Outcome::Compared);
        }
    }
}

TEST(ExtDescRoundTrip, DeepestNestingTheWriterStatesIsRead) {
    // Constraints used as values nest two reader levels for each writer level: the worst case.
    using namespace RawBuild;
    Problem p;
    E x = p.IntVar("x", p.IntRange("d", 0, 3));
    E e = x;
    for (int i = 0; i < GenExtDesc::kMaxDepth - 2; ++i)
        e = E(RawBuild::Con(RawType::Equal, e, Int(i % 2)));
    p.Post(RawBuild::Con(RawType::Equal, e, Int(1)));
    const std::string text = GenExtDesc::Describe(p.csp);
    GLSCSP rebuilt;
    Melvane::RebuildConsTree reader;
    EXPECT_NO_THROW(reader.Parse(text, &rebuilt));
    Obj::DeleteAll();
}
