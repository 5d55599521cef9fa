// A large document: a 100 x 100 integer array variable and 10,000 constraints over it. Times
// saving it as a ".tav" file, loading it into a document, and writing its problem text (alone,
// and parsed as a solve parses it).

#include "workbench/CTavDoc.hpp"
#include "workbench/archive/TavDocumentFile.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
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
        model.variables.AddVariable("x", CVariable::kIntVar, "Cells", 1, "", {100, 100});
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
