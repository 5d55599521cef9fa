#include "bridges/AlgParams.hpp"

#include "platform/FatalError.hpp"

#include <gtest/gtest.h>

#include <vector>

using namespace TavBridges;

TEST(AlgParams, DefaultBlocksOfEachFamily) {
    struct Case {
        AlgParams::Family family;
        std::vector<int> ids1to9;
    };
    const Case cases[] = {
        {AlgParams::Family::CompleteSearch, {1, 1, 1, 0, 0, 0, 0, 0, 0}},
        {AlgParams::Family::GuidedLocalSearch, {1, 0, 1, 1, 1000, 2, 0, 0, 0}},
        {AlgParams::Family::GeneticAlgorithm, {100, 80, 30, 25, 100, 3, 1, 1, 2}},
        {AlgParams::Family::TabuSearch, {5, 1, 0, 1, 2, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const AlgParams params = AlgParams::Defaults(c.family);
        SCOPED_TRACE(static_cast<int>(c.family));
        EXPECT_EQ(params.GetParameter(0), 0);
        for (int id = 1; id <= 9; ++id)
            EXPECT_EQ(params.GetParameter(id), c.ids1to9[static_cast<std::size_t>(id - 1)]) << "id " << id;
        for (int id = 10; id < AlgParams::kCount; ++id)
            EXPECT_EQ(params.GetParameter(id), 0) << "id " << id;
    }
}

TEST(AlgParams, SetAndGetByIdAndRejectIdsOutsideTheRecord) {
    AlgParams params;
    params.SetParameter(14, -7);
    params.SetParameter(0, 3);
    EXPECT_EQ(params.GetParameter(14), -7);
    EXPECT_EQ(params.GetParameter(0), 3);
    for (int id : {-1, 15, 1000}) {
        EXPECT_THROW(params.GetParameter(id), Platform::ParameterError);
        EXPECT_THROW(params.SetParameter(id, 1), Platform::ParameterError);
    }
    try {
        params.GetParameter(15);
    } catch (const Platform::ParameterError& e) {
        EXPECT_STREQ(e.what(), "Invalid Parameter\n");
    }
    AlgParams copy = params;
    EXPECT_TRUE(copy == params);
}
