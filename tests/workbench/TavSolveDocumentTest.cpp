// tav-solve on documents: every example problem the model objects can express, entered as a
// document, writes a problem text that parses and gives tav-solve the same answers as the
// problem file; the document's own options and refusals.

#include "CspToDocument.hpp"
#include "TavFixtures.hpp"
#include "TempFolder.hpp"

#include "language/RawParser.hpp"
#include "tools/tav-solve/TavSolveApp.hpp"
#include "workbench/TavDocumentFile.hpp"
#include "workbench/model/ProblemText.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

using namespace TavLanguage;
using namespace TavWorkbench;

namespace {

// The document road reads and writes its settings files in the working directory.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& path) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingDirectory() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunSolve(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const TavSolve::ProblemReader reader = [](const std::string& file, RawCSP& problem) {
        return ParseCSPFile(file, nullptr, &problem);
    };
    const int code = TavSolve::RunTavSolve(args, reader, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::filesystem::path> Examples() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TAV_EXAMPLES_DIR))
        if (entry.path().extension() == ".csp") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Writes the example as a document beside it in `folder`; empty when it cannot be expressed.
std::string AsDocument(const std::filesystem::path& example, const TempFolder& folder) {
    TavModel model;
    if (!CspToDocument::Convert(example.string(), model)) return {};
    const std::string name = example.stem().string() + ".tav";
    folder.Write(name, WriteTavDocument(model));
    return (folder / name).string();
}

} // namespace

TEST(TavSolveDocument, ExamplesGiveTheAnswersOfTheirProblemFiles) {
    TempFolder folder;
    WorkingDirectory cwd(folder.Path());
    int compared = 0;
    for (const auto& example : Examples()) {
        const std::string document = AsDocument(example, folder);
        EXPECT_FALSE(document.empty()) << example.filename() << " cannot be entered as a document";
        if (document.empty()) continue;
        TavModel model;
        ASSERT_TRUE(CspToDocument::Convert(example.string(), model));
        RawCSP raw;
        const ParserErr parsed = ParseCSPText(ProblemTextOf(model), nullptr, &raw);
        EXPECT_TRUE(parsed.IsOk()) << example.filename() << ": " << parsed.Message();
        // Every run ends by itself, far inside the default time limit, which so never decides
        // an answer. A document's complete search takes the workbench's parameters (no
        // "Params.ini" here: its defaults), which the problem file is given.
        std::vector<std::string> fromFile = {example.string(), "--solutions", "3",       "--param", "1=1",
                                             "--param",        "2=1",         "--param", "3=1"};
        std::vector<std::string> fromDocument = {document, "--solutions", "3"};
        const Result expected = RunSolve(fromFile);
        const Result got = RunSolve(fromDocument);
        EXPECT_EQ(got.code, expected.code) << example.filename() << "\n" << got.err << "\n" << expected.err;
        EXPECT_EQ(got.out, expected.out) << example.filename();
        ++compared;
    }
    EXPECT_EQ(compared, static_cast<int>(Examples().size()));
}

TEST(TavSolveDocument, LocalSearchSettingsGiveTheSameAnswers) {
    TempFolder folder;
    WorkingDirectory cwd(folder.Path());
    // Runs that end by themselves, far inside the default time limit, so that the limit never
    // decides an answer: satisfaction problems end at their first solution, the genetic algorithm
    // ends an optimisation after its generations, and a problem with real variables is solved by
    // linear programming whatever the setting (as "auto" chooses for the problem file).
    struct Case {
        const char* example;
        std::vector<const char*> solvers;
        bool linear = false;
    };
    const std::vector<const char*> all = {"gls", "ga", "tabu", "gls2"};
    const Case cases[] = {
        {"queens8", all},
        {"queens", all},
        {"logic", all},
        {"teams-sets", all},
        {"bins", all},
        {"sendmore", {"gls", "tabu", "gls2"}},
        {"features", {"ga"}},
        {"knapsack", {"ga"}},
        {"meetings-soft", {"ga"}},
        {"production", all, true},
        {"diet", all, true},
        {"transport", all, true},
        {"lp-equality", all, true},
        {"lp-infeasible", all, true},
        {"lp-unbounded", all, true},
    };
    for (const Case& c : cases) {
        const auto example = std::filesystem::path(TAV_EXAMPLES_DIR) / (std::string(c.example) + ".csp");
        const std::string document = AsDocument(example, folder);
        ASSERT_FALSE(document.empty()) << c.example;
        for (const char* solver : c.solvers) {
            const Result expected = RunSolve({example.string(), "--solver", c.linear ? "auto" : solver});
            const Result got = RunSolve({document, "--solver", solver});
            EXPECT_EQ(got.code, expected.code) << c.example << " " << solver;
            EXPECT_EQ(got.out, expected.out) << c.example << " " << solver;
        }
    }
}

TEST(TavSolveDocument, TextOptionsAndRefusals) {
    TempFolder folder;
    WorkingDirectory cwd(folder.Path());
    const std::string document = AsDocument(std::filesystem::path(TAV_EXAMPLES_DIR) / "knapsack.csp", folder);
    Result text = RunSolve({document, "--text"});
    EXPECT_EQ(text.code, 0);
    EXPECT_EQ(text.out.rfind("Problem:test\r\n{\r\nDomains\r\n{\r\nIntDom take=[0,1];", 0), 0u) << text.out;
    EXPECT_EQ(RunSolve({document, "--describe"}).out.rfind("<D>", 0), 0u);
    // Reading and solving a document leaves the working directory as it was.
    EXPECT_EQ(RunSolve({document}).code, 0);
    EXPECT_FALSE(folder.Exists("Params.ini"));
    EXPECT_FALSE(folder.Exists("expert.dat"));

    EXPECT_EQ(RunSolve({document, "--param", "1=2"}).code, 2);
    EXPECT_EQ(RunSolve({document, "--solver", "lp"}).code, 2);
    EXPECT_EQ(RunSolve({document, "--solver", "ext"}).code, 2);
    EXPECT_EQ(RunSolve({(std::filesystem::path(TAV_EXAMPLES_DIR) / "knapsack.csp").string(), "--text"}).code,
              2);

    folder.Write("cut.tav", TavFixture::Variables().substr(0, 20));
    Result cut = RunSolve({(folder / "cut.tav").string()});
    EXPECT_EQ(cut.code, 1);
    EXPECT_NE(cut.err.find("cut.tav\" is not a valid Tav document"), std::string::npos) << cut.err;
    EXPECT_EQ(RunSolve({(folder / "missing.tav").string()}).code, 1);

    // A document whose problem text does not parse says why, as for a problem file.
    folder.Write("variables.tav", TavFixture::Variables());
    Result unparsed = RunSolve({(folder / "variables.tav").string()});
    EXPECT_EQ(unparsed.code, 1);
    EXPECT_NE(unparsed.err.find("variables.tav: "), std::string::npos) << unparsed.err;

    // The time limit ends an optimisation by local search (which never ends by itself) cleanly,
    // reporting the best it found, if it found one by then: how far a search gets in a given time
    // is the machine's affair (SolveRoad keeps the best found under a clock of its own).
    Result timed = RunSolve({document, "--solver", "gls", "--time-limit", "0.2"});
    EXPECT_EQ(timed.code, 0);
    EXPECT_NE(timed.out.find("\nstatus: unknown\n"), std::string::npos) << timed.out;
    EXPECT_NE(timed.err.find("Timed out - increase search time if desired"), std::string::npos) << timed.err;
    Result stats = RunSolve({document, "--stats"});
    EXPECT_NE(stats.err.find("Algorithm: GFC"), std::string::npos) << stats.err;
    // Documents that fail to load or parse, and solves other than Expert, wrote nothing.
    EXPECT_FALSE(folder.Exists("Params.ini"));
    EXPECT_FALSE(folder.Exists("expert.dat"));
}

TEST(TavSolveDocument, ExpertSolvesQueens) {
    TempFolder folder;
    WorkingDirectory cwd(folder.Path());
    const std::string document = AsDocument(std::filesystem::path(TAV_EXAMPLES_DIR) / "queens8.csp", folder);
    const Result expert = RunSolve({document, "--solver", "expert", "--stats"});
    EXPECT_EQ(expert.code, 0);
    EXPECT_NE(expert.out.find("solutions: 1\n"), std::string::npos) << expert.out << expert.err;
    EXPECT_NE(expert.err.find("Algorithm: GFC"), std::string::npos) << "complete search runs first\n"
                                                                    << expert.err;
    // The engine that solved it is counted in the statistics the document keeps on exit.
    EXPECT_EQ(folder.Read("expert.dat").rfind("4\n20\nGFC\t2\t2\tGLS\t1\t1\t", 0), 0u)
        << folder.Read("expert.dat");
}
