// The solver setting's values: each is the bridge kind a solve builds and the parameter block
// of "Params.ini" it reads, as they have always been, and the settings a solve starts with
// come from the document and go back to it unchanged.

#include "ExampleDocs.hpp"
#include "FakeSolver.hpp"
#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"

#include <gtest/gtest.h>

using namespace TavLanguage;
using namespace TavBridges;
using namespace TavWorkbench;

TEST(SolverSetting, EachValuePicksItsBridgeAndParameterBlock) {
    struct Case {
        SolverSetting setting;
        int value;
        int kind;
        int block;
    };
    const Case cases[] = {
        {SolverSetting::CompleteSearch, 0, 0, 0},     {SolverSetting::GuidedLocalSearch, 1, 1, 1},
        {SolverSetting::GeneticAlgorithm, 2, 2, 2},   {SolverSetting::TabuSearch, 3, 3, 3},
        {SolverSetting::GuidedLocalSearch2, 4, 4, 1}, {SolverSetting::Expert, 10, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(static_cast<int>(c.setting), c.value);
        EXPECT_EQ(static_cast<SolverSetting>(c.value), c.setting);
        TempFolder folder;
        RecordingMessages messages;
        CTavDoc doc(&messages, folder.Path());
        doc.OnNewDocument();
        ExampleDocs::Tiny(doc.GetModel());
        std::vector<std::pair<int, const AlgParams*>> built;
        doc.SetBridgeFactory([&](RawCSP* problem, const AlgParams* params, int kind) {
            built.emplace_back(kind, params);
            return std::make_unique<FakeSolver>(problem,
                                                std::vector<FakeSolver::Step>{FakeSolver::Step::Find});
        });
        SolveSettings settings = doc.GetSolveSettings(1);
        settings.setting = c.setting;
        settings.timeLimit = std::chrono::minutes(7);
        HeadlessSolveDriver driver(doc);
        ASSERT_EQ(driver.Run(settings).found, 1);
        ASSERT_FALSE(built.empty());
        // An Expert solve builds every row, complete search (row 0) first.
        EXPECT_EQ(built.front().first, c.kind);
        EXPECT_EQ(built.front().second, &doc.GetParameterBlock(c.block));
        const SolveSettings kept = doc.GetSolveSettings(1);
        EXPECT_EQ(kept.setting, c.setting);
        EXPECT_EQ(kept.timeLimit, std::chrono::milliseconds(420000));
        EXPECT_EQ(kept.engineInterval, std::chrono::seconds(doc.GetEngineInterval()));
    }
}
