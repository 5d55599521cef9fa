// The document's lifecycle: the settings files at construction and destruction, new, open and
// save of ".tav" files, and the Expert ranking.

#include "RecordingMessages.hpp"
#include "TavFixtures.hpp"
#include "TempFolder.hpp"

#include "workbench/CStringConverter.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/archive/TavFileError.hpp"
#include "workbench/model/CDoubleDomain.hpp"

#include <gtest/gtest.h>

#include <cfloat>
#include <random>

using namespace TavWorkbench;

namespace {

// "Params.ini" as the defaults give it: ten blocks of ids 0 to 14, little-endian.
std::string DefaultParamsBytes() {
    const int blocks[4][10] = {
        {0, 1, 1, 1}, {0, 1, 0, 1, 1, 1000, 2}, {0, 100, 80, 30, 25, 100, 3, 1, 1, 2}, {0, 5, 1, 0, 1, 2}};
    std::string bytes;
    for (int b = 0; b < 10; ++b) {
        for (int id = 0; id < 15; ++id) {
            const int v = b < 4 && id < 10 ? blocks[b][id] : 0;
            for (int k = 0; k < 4; ++k)
                bytes.push_back(static_cast<char>((static_cast<unsigned>(v) >> (8 * k)) & 0xFF));
        }
    }
    return bytes;
}

const char* const kDefaultExpert = "4\n20\nGFC\t1\t1\tGLS\t1\t1\tGA\t1\t1\tTabu\t1\t1\t";

} // namespace

TEST(DocumentSettings, FirstStartWritesBothFilesWithTheirDefaults) {
    TempFolder folder;
    {
        RecordingMessages messages;
        CTavDoc doc(&messages, folder.Path());
        EXPECT_TRUE(doc.AreParametersDefaulted());
        EXPECT_TRUE(doc.IsExpertDefaulted());
        ASSERT_TRUE(folder.Exists("Params.ini")); // at once, not at exit
        EXPECT_EQ(folder.Read("Params.ini"), DefaultParamsBytes());
        EXPECT_FALSE(folder.Exists("expert.dat"));
        EXPECT_EQ(doc.GetParameterBlock(2).GetParameter(9), 2);
        EXPECT_EQ(doc.GetEngineInterval(), 20);
        ASSERT_EQ(doc.GetExpertTable().size(), 4u);
        EXPECT_EQ(doc.GetExpertTable()[3].name, "Tabu");
        EXPECT_TRUE(messages.Shown().empty());
    }
    EXPECT_EQ(folder.Read("expert.dat"), kDefaultExpert);

    // The second start reads what the first wrote.
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    EXPECT_FALSE(doc.AreParametersDefaulted());
    EXPECT_FALSE(doc.IsExpertDefaulted());
}

TEST(DocumentSettings, ParameterFileIsReadAndSaved) {
    TempFolder folder;
    std::string bytes = DefaultParamsBytes();
    bytes[4 * (15 * 3 + 2)] = 7; // block 3, id 2
    folder.Write("Params.ini", bytes);
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    EXPECT_FALSE(doc.AreParametersDefaulted());
    EXPECT_EQ(doc.GetParameterBlock(3).GetParameter(2), 7);
    doc.GetParameterBlock(9).SetParameter(14, -1);
    EXPECT_TRUE(doc.SaveParameters());
    const std::string saved = folder.Read("Params.ini");
    ASSERT_EQ(saved.size(), 600u);
    EXPECT_EQ(saved.substr(596), std::string(4, '\xFF'));
    EXPECT_THROW(doc.GetParameterBlock(10), Platform::InternalError);
}

TEST(DocumentSettings, DamagedParameterFilesFallBackToTheDefaults) {
    const std::string good = DefaultParamsBytes();
    for (const std::string& damaged :
         {std::string(), good.substr(0, 599), good + "x", std::string(6000, '\x01')}) {
        TempFolder folder;
        folder.Write("Params.ini", damaged);
        RecordingMessages messages;
        CTavDoc doc(&messages, folder.Path());
        EXPECT_TRUE(doc.AreParametersDefaulted()) << damaged.size();
        EXPECT_EQ(doc.GetParameterBlock(1).GetParameter(5), 1000) << damaged.size();
        EXPECT_EQ(folder.Read("Params.ini"), damaged) << "a damaged file is left for the user";
    }
}

TEST(DocumentSettings, ExpertFileIsReadAndDamagedOnesFallBack) {
    {
        TempFolder folder;
        folder.Write("expert.dat", "4\n7\nGFC\t3\t1\tGLS\t5\t4\tGA\t2\t0\tTabu\t1\t1\t");
        RecordingMessages messages;
        {
            CTavDoc doc(&messages, folder.Path());
            EXPECT_FALSE(doc.IsExpertDefaulted());
            EXPECT_EQ(doc.GetEngineInterval(), 7);
            EXPECT_EQ(doc.GetExpertTable()[1].successes, 4);
            EXPECT_EQ(doc.GetExpertTable()[2].successes, 0);
        }
        EXPECT_EQ(folder.Read("expert.dat"), "4\n7\nGFC\t3\t1\tGLS\t5\t4\tGA\t2\t0\tTabu\t1\t1\t");
    }
    const char* damaged[] = {
        "",
        "4\n",
        "4\n20\nGFC\t1\t1\tGLS\t1\t1\tGA\t1\t1\t",                       // a row missing
        "4\n20\nGFC\t1\t1\tGLS\t1\t1\tGA\t1\t1\tTabu\t1\t",              // a field missing
        "3\n20\nGFC\t1\t1\tGLS\t1\t1\tGA\t1\t1\t",                       // count under 4
        "1000000000\n20\nGFC\t1\t1\tGLS\t1\t1\tGA\t1\t1\tTabu\t1\t1\t",  // count past 4
        "4\n20\nGFC\t1\t1\tGLS\t0\t0\tGA\t1\t1\tTabu\t1\t1\t",           // runs of 0
        "4\n0\nGFC\t1\t1\tGLS\t1\t1\tGA\t1\t1\tTabu\t1\t1\t",            // no time slice
        "4\n20\nGFC\t1\t1\tGLS\t1\tx\tGA\t1\t1\tTabu\t1\t1\t",           // not a number
        "4\n20\nGFC\t1\t1\tGLS\t1\t-1\tGA\t1\t1\tTabu\t1\t1\t",          // negative successes
        "4\n20\nGFC\t99999999999\t1\tGLS\t1\t1\tGA\t1\t1\tTabu\t1\t1\t", // out of range
        "4\n20\nAVeryLongEngineNameThatIsLongerThanTheBuffer\t1\t1\tGLS\t1\t1\tGA\t1\t1\tTabu\t1\t1\t",
    };
    for (const char* text : damaged) {
        TempFolder folder;
        folder.Write("expert.dat", text);
        RecordingMessages messages;
        CTavDoc doc(&messages, folder.Path());
        EXPECT_TRUE(doc.IsExpertDefaulted()) << text;
        EXPECT_EQ(doc.GetEngineInterval(), 20) << text;
        EXPECT_EQ(doc.GetExpertTable()[0].name, "GFC") << text;
        EXPECT_EQ(doc.GetExpertTable()[1].runs, 1) << text;
    }
}

TEST(DocumentSettings, UnwritableSettingsAreReportedNotFatal) {
    RecordingMessages messages;
    {
        CTavDoc doc(&messages, "/nonexistent-tav-folder/settings");
        EXPECT_EQ(messages.Shown(), (std::vector<std::string>{"Unable to write Params.ini"}));
        EXPECT_FALSE(doc.SaveParameters());
    }
    EXPECT_EQ(messages.Shown().back(), "Unable to open file\n");
}

TEST(Document, NewDocumentSavesTheHandWrittenFile) {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    doc.SetSolverSetting(static_cast<SolverSetting>(3));
    doc.SetSearchTimeLimit(std::chrono::milliseconds(5));
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetDomains().GetSize(), 2);
    EXPECT_EQ(doc.GetDomains()[0]->GetID(), "TrueFalse");
    EXPECT_EQ(dynamic_cast<const CDoubleDomain*>(doc.GetDomains()[1])->GetMax(),
              static_cast<double>(FLT_MAX));
    EXPECT_TRUE(doc.GetVariables().IsEmpty() && doc.GetConstraints().IsEmpty() &&
                doc.GetConstants().IsEmpty());
    EXPECT_TRUE(doc.GetOptimisation().empty());
    EXPECT_EQ(doc.GetRequestedCount(), 1);
    EXPECT_EQ(doc.GetSolverSetting(), SolverSetting::CompleteSearch);
    EXPECT_EQ(doc.GetSearchTimeLimit(), std::chrono::milliseconds(300000));
    doc.OnSaveDocument(folder / "new.tav");
    EXPECT_EQ(folder.Read("new.tav"), TavFixture::NewDocument());
}

TEST(Document, OpenReplacesTheModelOnlyWhenTheFileIsWhole) {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    doc.OnNewDocument();
    doc.GetConstants().Add(std::make_unique<CConstant>("N", 4));
    doc.OnSaveDocument(folder / "before.tav");
    const std::string before = folder.Read("before.tav");

    const std::string variables = TavFixture::Variables();
    folder.Write("cut.tav", variables.substr(0, variables.size() - 3));
    try {
        doc.OnOpenDocument(folder / "cut.tav");
        FAIL() << "a truncated file was accepted";
    } catch (const TavFileError& e) {
        EXPECT_NE(std::string(e.what()).find("cut.tav"), std::string::npos);
    }
    EXPECT_THROW(doc.OnOpenDocument(folder / "missing.tav"), TavFileError);
    doc.OnSaveDocument(folder / "after.tav");
    EXPECT_EQ(folder.Read("after.tav"), before);

    folder.Write("variables.tav", variables);
    doc.OnOpenDocument(folder / "variables.tav");
    EXPECT_EQ(doc.GetVariables().GetSize(), 3);
    EXPECT_TRUE(doc.GetConstants().IsEmpty());
    EXPECT_TRUE(doc.GetDomains().IsEmpty()); // the predefined domains come from the file only
}

TEST(Document, FailedSaveKeepsTheOldFile) {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    doc.OnNewDocument();
    EXPECT_THROW(doc.OnSaveDocument(folder / "no-such-folder" / "x.tav"), TavFileError);
    std::filesystem::create_directory(folder / "dir.tav"); // a folder cannot be replaced by a file
    EXPECT_THROW(doc.OnSaveDocument(folder / "dir.tav"), TavFileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.tav"));
}

TEST(DocumentFuzz, DamagedFilesLeaveTheOpenDocumentAsItWas) {
    TempFolder folder;
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    doc.OnNewDocument();
    doc.GetConstraints().Add(std::make_unique<CConstraint>("keep", "x <> y;"));
    doc.OnSaveDocument(folder / "reference.tav");
    const std::string reference = folder.Read("reference.tav");
    const unsigned seed = 7151;
    std::mt19937 random(seed);
    for (const auto& [name, bytes] : TavFixture::All()) {
        for (int round = 0; round < 200; ++round) {
            std::string mutant = bytes;
            if (round % 2 == 0) {
                mutant.resize(random() % bytes.size());
            } else {
                mutant[random() % mutant.size()] = static_cast<char>(random() & 0xFF);
            }
            folder.Write("mutant.tav", mutant);
            try {
                doc.OnOpenDocument(folder / "mutant.tav");
            } catch (const TavFileError&) {
                doc.OnSaveDocument(folder / "check.tav");
                ASSERT_EQ(folder.Read("check.tav"), reference)
                    << name << " round " << round << " seed " << seed;
                continue;
            }
            // Loaded whole: start again from the reference.
            doc.OnOpenDocument(folder / "reference.tav");
        }
    }
}

TEST(ExpertRanking, OrderStartsWithCompleteSearchAndHoldsEveryEngineOnce) {
    TempFolder folder;
    folder.Write("expert.dat", "4\n20\nGFC\t1\t0\tGLS\t1\t0\tGA\t1\t0\tTabu\t1\t0\t");
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        doc.SeedRanking(seed);
        doc.RankEngines();
        std::vector<int> order = doc.GetEngineOrder();
        ASSERT_EQ(order.size(), 4u) << seed;
        EXPECT_EQ(order[0], 0) << seed;
        std::sort(order.begin() + 1, order.end());
        EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3})) << seed;
    }
}

TEST(ExpertRanking, SuccessfulEnginesComeFirst) {
    {
        // Only GLS ever succeeded: it is first, the others follow in candidate order.
        TempFolder folder;
        folder.Write("expert.dat", "4\n20\nGFC\t1\t1\tGLS\t1\t100\tGA\t1\t0\tTabu\t1\t0\t");
        RecordingMessages messages;
        CTavDoc doc(&messages, folder.Path());
        for (std::uint32_t seed = 0; seed < 20; ++seed) {
            doc.SeedRanking(seed);
            doc.RankEngines();
            EXPECT_EQ(doc.GetEngineOrder(), (std::vector<int>{0, 1, 3, 2})) << seed;
        }
    }
    TempFolder folder;
    folder.Write("expert.dat", "4\n20\nGFC\t1\t1\tGLS\t1\t0\tGA\t1\t0\tTabu\t1\t100\t");
    RecordingMessages messages;
    CTavDoc doc(&messages, folder.Path());
    int tabuFirst = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        doc.SeedRanking(seed);
        doc.RankEngines();
        tabuFirst += doc.GetEngineOrder()[1] == 3;
    }
    EXPECT_GE(tabuFirst, 190); // only a draw of 0 picks the first candidate
}

TEST(StringConverter, LineBreaksBecomeCarriageReturnLineFeed) {
    const CStringConverter converter;
    EXPECT_EQ(converter.Convert("a\nb\n\fc\n"), "a\r\nb\n\fc\r\n");
    EXPECT_EQ(converter.Convert(""), "");
}
