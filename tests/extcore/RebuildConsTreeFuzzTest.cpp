// A random-mutation fuzz loop over the reader: descriptions of the example problems, as the
// writer states them, are cut, shuffled and salted with hostile tokens. Every mutant must be
// either read into a model that evaluates without fault or refused with a DescriptionError,
// with nothing of it left in the library's registry. Deterministic: the seed is fixed.

#include "bridges/GenExtDesc.hpp"
#include "extcore/DescriptionError.hpp"
#include "extcore/RebuildConsTree.hpp"
#include "language/RawParser.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/SetVar.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;
using namespace GLSLib;

namespace {

std::vector<std::string> Split(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;)
        tokens.push_back(t);
    return tokens;
}

std::vector<std::vector<std::string>> Seeds() {
    std::vector<std::vector<std::string>> seeds;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TAV_EXAMPLES_DIR))
        if (entry.path().extension() == ".csp") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        RawCSP problem;
        if (!ParseCSPFile(file.string(), nullptr, &problem).IsOk()) continue;
        try {
            const std::string text = GenExtDesc::Describe(problem);
            if (text.size() < 20000) seeds.push_back(Split(text));
        } catch (const GenExtDesc::Unexpressible&) {
        }
    }
    return seeds;
}

const std::vector<std::string> kHostile = {"<D>",
                                           "<Ds>",
                                           "<Z>",
                                           "<C>",
                                           "<Opt>",
                                           "<END>",
                                           "IntDom",
                                           "SetDom",
                                           "ListDom",
                                           "RangeDom",
                                           "INTVAR",
                                           "SetVar",
                                           "__BoolDomain",
                                           "INTVAL",
                                           "SetVal",
                                           "Union",
                                           "Intersection",
                                           "CARD",
                                           "AND",
                                           "OR",
                                           "XOR",
                                           "IFF",
                                           "IMPLIES",
                                           "NOT",
                                           "SOFTCON",
                                           "Minimise",
                                           "ELEMENT",
                                           "=",
                                           "<>",
                                           ">",
                                           ">=",
                                           "Subset",
                                           "MEMBER",
                                           "AllDisjoint",
                                           "AllDifferent",
                                           "Sequence",
                                           "Sum",
                                           "Count",
                                           "ScalProd",
                                           "Minimum",
                                           "Maximum",
                                           "Index",
                                           "Abs",
                                           "Power",
                                           "+",
                                           "-",
                                           "*",
                                           "/",
                                           "%",
                                           "0",
                                           "1",
                                           "2",
                                           "-1",
                                           "3",
                                           "7",
                                           "2147483647",
                                           "-2147483648",
                                           "2147483648",
                                           "99999999999",
                                           "1.5",
                                           "0x10",
                                           "+5",
                                           "-",
                                           "",
                                           "\x01",
                                           "\xff\xfe",
                                           "x"};

// Evaluates every constraint and the objective under one random assignment.
void Exercise(GLSCSP& csp, std::mt19937& random) {
    for (IntVar* v : csp.GetVariables())
        if (v->DomainSize() > 0)
            v->SetValueIndex(static_cast<int>(random() % static_cast<unsigned>(v->DomainSize())));
    for (SetVar* s : csp.GetSetVariables())
        s->Initialise();
    for (Con* c : csp.GetConstraints()) {
        c->Initialise();
        EXPECT_GE(c->GetViolation(), 0.0);
    }
    if (Minimise* objective = csp.GetObjective()) {
        objective->Initialise();
        (void)objective->GetObjectiveValue();
    }
}

// A small model that stays live while the mutants are read, so that a refused mutant must take
// back exactly what it made.
void BuildBystander(GLSCSP& csp) {
    Melvane::RebuildConsTree reader;
    reader.Parse("<D> 1 IntDom b RangeDom 0 9 <Z> 2 INTVAR p b INTVAR q b <C> 1 0 > INTVAR p INTVAR q <END>",
                 &csp);
}

} // namespace

TEST(RebuildConsTreeFuzz, MutantsAreReadOrRefusedCleanly) {
    const std::vector<std::vector<std::string>> seeds = Seeds();
    ASSERT_GE(seeds.size(), 5u);
    std::mt19937 random(20261210);
    Obj::DeleteAll();
    auto bystander = std::make_unique<GLSCSP>();
    BuildBystander(*bystander);
    const std::size_t baseline = Obj::RegistrySize();
    int read = 0, refused = 0;

    for (int round = 0; round < 4000; ++round) {
        std::vector<std::string> tokens = seeds[random() % seeds.size()];
        const int mutations = random() % 2 == 0 ? 1 : 1 + static_cast<int>(random() % 4);
        for (int m = 0; m < mutations && !tokens.empty(); ++m) {
            const std::size_t at = random() % tokens.size();
            switch (random() % 8) {
            case 0:
                tokens.erase(tokens.begin() + static_cast<long>(at));
                break;
            case 1:
                tokens.insert(tokens.begin() + static_cast<long>(at), tokens[random() % tokens.size()]);
                break;
            case 2:
                std::swap(tokens[at], tokens[random() % tokens.size()]);
                break;
            case 3:
                tokens[at] = kHostile[random() % kHostile.size()];
                break;
            case 4:
                tokens.resize(at);
                break;
            case 5:
                tokens.insert(tokens.begin() + static_cast<long>(at), kHostile[random() % kHostile.size()]);
                break;
            default: {
                // A number moved a little keeps most texts readable and reaches the model.
                int value = 0;
                std::istringstream in(tokens[at]);
                if (in >> value && in.eof())
                    tokens[at] = std::to_string(value + static_cast<int>(random() % 5) - 2);
                break;
            }
            }
        }
        std::string text;
        for (const auto& t : tokens)
            text += t + (random() % 4 == 0 ? "\n" : " ");

        SCOPED_TRACE("round " + std::to_string(round) + ": " + text.substr(0, 300));
        GLSCSP csp;
        Melvane::RebuildConsTree reader;
        try {
            reader.Parse(text, &csp);
            ++read;
            Exercise(csp, random);
            // Free the mutant's model; the bystander is built anew.
            bystander.reset();
            Obj::DeleteAll();
            bystander = std::make_unique<GLSCSP>();
            BuildBystander(*bystander);
        } catch (const Melvane::DescriptionError&) {
            ++refused;
            // An element-less set variable leaves its unreachable element domain behind.
            const auto setVars = static_cast<std::size_t>(std::count(tokens.begin(), tokens.end(), "SetVar"));
            EXPECT_GE(Obj::RegistrySize(), baseline);
            EXPECT_LE(Obj::RegistrySize(), baseline + setVars);
            if (Obj::RegistrySize() != baseline) {
                bystander.reset();
                Obj::DeleteAll();
                bystander = std::make_unique<GLSCSP>();
                BuildBystander(*bystander);
            }
        }
        if (HasFailure()) break;
    }
    Obj::DeleteAll();
    RecordProperty("read", read);
    RecordProperty("refused", refused);
    // Both roads are taken many times.
    EXPECT_GT(read, 200);
    EXPECT_GT(refused, 1000);
}
