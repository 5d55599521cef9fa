// A large document: a 100 x 100 integer array variable and 10,000 constraints over it. Times
// saving it as a ".tav" file, loading it into a document, and writing its problem text (alone,
// and parsed as a solve parses it).
// With --write-time-limit-documents DIR it writes instead the documents that bench/time-limits
// solves under a time limit (see bench/README.md) and runs no benchmark.

#include "workbench/CTavDoc.hpp"
#include "workbench/TavDocumentFile.hpp"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <unistd.h>

using namespace TavWorkbench;

namespace {

class NullMessages : public DocMessages {
public:
    void Show(const std::string&) override {}
    bool Ask(const std::string&) override { return true; }
};

struct LargeDocument {
    std::filesystem::path folder;
    NullMessages messages;
    std::unique_ptr<CTavDoc> doc;

    LargeDocument() {
        folder = std::filesystem::temp_directory_path() / ("tav-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        doc = std::make_unique<CTavDoc>(&messages, folder);
        doc->OnNewDocument();
        TavModel& model = doc->GetModel();
        model.constants.Add(std::make_unique<CConstant>("N", 100));
        model.domains.AddIntDomain("Cells", "", "", "N", 0, 0, {}, 0, -1);
        model.variables.AddVariable("x", CVariable::Type::IntVar, "Cells", 1, "", {100, 100});
        for (int k = 0; k < 10000; ++k) {
            const int i = k / 100;
            const int j = k % 100;
            auto constraint = std::make_unique<CConstraint>(
                "c" + std::to_string(k), "x[" + std::to_string(i) + "][" + std::to_string(j) + "] <> x[" +
                                             std::to_string((i + 1) % 100) + "][" + std::to_string(j) +
                                             "] + " + std::to_string(k % 7) + ";");
            constraint->SetReferencedIDs({"x"});
            model.constraints.Add(std::move(constraint));
        }
        model.optimisation = {"Minimise(x[0][0] + x[99][99]);"};
    }
    ~LargeDocument() {
        doc.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

LargeDocument& Large() {
    static LargeDocument large;
    return large;
}

void BM_SaveLargeDocument(benchmark::State& state) {
    LargeDocument& large = Large();
    const auto path = large.folder / "large.tav";
    for (auto _ : state)
        large.doc->OnSaveDocument(path);
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_SaveLargeDocument)->Unit(benchmark::kMillisecond);

void BM_LoadLargeDocument(benchmark::State& state) {
    LargeDocument& large = Large();
    const auto path = large.folder / "load.tav";
    large.doc->OnSaveDocument(path);
    CTavDoc other(&large.messages, large.folder);
    for (auto _ : state) {
        other.OnOpenDocument(path);
        benchmark::DoNotOptimize(other.GetConstraints().GetSize());
    }
}
BENCHMARK(BM_LoadLargeDocument)->Unit(benchmark::kMillisecond);

void BM_WriteProblemTextOfLargeDocument(benchmark::State& state) {
    LargeDocument& large = Large();
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string text = large.doc->GetProblemText();
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_WriteProblemTextOfLargeDocument)->Unit(benchmark::kMillisecond);

// What a solve does first: the problem text, parsed into the document's raw problem.
void BM_WriteAndParseProblemTextOfLargeDocument(benchmark::State& state) {
    LargeDocument& large = Large();
    for (auto _ : state) {
        if (!large.doc->WriteProblemText(1)) state.SkipWithError("the problem text does not parse");
        benchmark::DoNotOptimize(large.doc->GetRawProblem());
    }
}
BENCHMARK(BM_WriteAndParseProblemTextOfLargeDocument)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Writes one document of the time-limit benchmark: built as the dialogs build it, saved as the
// workbench saves it.
void WriteDocument(const std::filesystem::path& path, const std::function<void(TavModel&)>& fill) {
    NullMessages messages;
    CTavDoc doc(&messages, path.parent_path());
    doc.OnNewDocument();
    fill(doc.GetModel());
    doc.OnSaveDocument(path);
}

void AddConstraint(TavModel& model, const std::string& id, const std::string& text,
                   const std::vector<std::string>& referenced) {
    auto constraint = std::make_unique<CConstraint>(id, text);
    constraint->SetReferencedIDs(referenced);
    model.constraints.Add(std::move(constraint));
}

// The documents' forms of bench/time-limits' problems: a million variables but one (one
// constraint), a product over a wide domain, an element of a table into a domain of every
// non-negative int.
void WriteTimeLimitDocuments(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    WriteDocument(folder / "variables.tav", [](TavModel& model) {
        model.domains.AddIntDomain("D", "", "", "", 0, 9, {}, 0, 0);
        model.variables.AddVariable("x", CVariable::Type::IntVar, "D", 1, "", {999999});
        AddConstraint(model, "c", "x[0] <> x[1];", {"x"});
    });
    WriteDocument(folder / "product.tav", [](TavModel& model) {
        model.domains.AddIntDomain("D", "", "", "", -100000, 5, {}, 0, 0);
        model.variables.AddVariable("a", CVariable::Type::IntVar, "D", 0, "", {});
        model.variables.AddVariable("b", CVariable::Type::IntVar, "D", 0, "", {});
        AddConstraint(model, "product", "a * b = -6;", {"a", "b"});
        AddConstraint(model, "order", "a < b;", {"a", "b"});
    });
    WriteDocument(folder / "table.tav", [](TavModel& model) {
        model.constants.Add(std::make_unique<CConstant>("Tab", "5, 17, 2147483647, 0, 99, 2147483646",
                                                        CConstant::Type::List));
        model.domains.AddIntDomain("Big", "", "", "", 0, 2147483647, {}, 0, 0);
        model.domains.AddIntDomain("Idx", "", "", "", 0, 5, {}, 0, 0);
        model.variables.AddVariable("v", CVariable::Type::IntVar, "Big", 0, "", {});
        model.variables.AddVariable("k", CVariable::Type::IntVar, "Idx", 0, "", {});
        AddConstraint(model, "element", "v = Tab[k];", {"v", "k", "Tab"});
    });
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-time-limit-documents") == 0) {
        WriteTimeLimitDocuments(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
