// The problem wizard: its pages over its own lists, the parse check before the last page, and
// the document taking the problem over.
#include "DialogTestSupport.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/HeadlessSolveDriver.hpp"
#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"
#include "workbench/dialogs/variables/NewVarDlgModel.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

#include "RecordingMessages.hpp"
#include "TempFolder.hpp"

#include <gtest/gtest.h>

using namespace TavDialogs;

namespace {

class ProblemWizard : public ::testing::Test {
protected:
    ProblemWizard() : doc(&docMessages, folder.Path()), wizard(keyWords, templates, host, messages) {
        doc.OnNewDocument();
    }

    void ScriptNewIntDomain(const std::string& id, const std::string& min, const std::string& max) {
        host.Script<TypeSelDlgModel>([](TypeSelDlgModel& m) {
            m.selection = TypeSelDlgModel::kInteger;
            return true;
        });
        host.Script<NumDlgModel>(Accept<NumDlgModel>([=](NumDlgModel& m) {
            m.id = id;
            m.minText = min;
            m.maxText = max;
        }));
    }
    void ScriptNewArray(const std::string& id, int domainRow, const std::string& size) {
        host.Script<NewVarDlgModel>(Accept<NewVarDlgModel>([=](NewVarDlgModel& m) {
            m.id = id;
            m.OnDomainChosen(domainRow);
            m.OnArrayToggled(true);
            m.dimensionsText = size;
            m.OnDimensionsEdited();
        }));
    }
    void ScriptNewConstraint(const std::string& id, const std::string& text) {
        host.Script<ExpDlgModel>(Accept<ExpDlgModel>([=](ExpDlgModel& m) {
            m.id = id;
            m.text = text;
        }));
    }

    TempFolder folder;
    RecordingMessages docMessages;
    TavWorkbench::CTavDoc doc;
    TavWorkbench::CKeyWords keyWords;
    TavWorkbench::CAvConArray templates;
    ScriptedHost host;
    RecordingDialogMessages messages;
    TavWizardModel wizard;
};

TEST_F(ProblemWizard, ButtonsAndAnEmptyProblem) {
    EXPECT_EQ(wizard.Current(), TavWizardModel::Page::Intro);
    EXPECT_FALSE(wizard.BackShown());
    EXPECT_EQ(wizard.Lists().domains[0]->GetID(), "TrueFalse");
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.Current(), TavWizardModel::Page::Final);
    EXPECT_TRUE(wizard.FinishShown());
    EXPECT_FALSE(wizard.NextShown());
    EXPECT_EQ(wizard.Final().Summary(), "Finish will now create a Tav problem with the "
                                        "following:\r\nDomains:\r\nVariables:\r\nConstraints:\r\n");
    wizard.Final().titleText.clear();
    EXPECT_FALSE(wizard.Finish());
    EXPECT_EQ(messages.Only().text, "Please Supply a Title");
}

// A small problem built page by page, refused while it does not parse, then solved.
TEST_F(ProblemWizard, BuildsAndSolvesASmallProblem) {
    wizard.Next();
    ScriptNewIntDomain("Small", "1", "3");
    ASSERT_TRUE(wizard.Domains().OnNewDomain());
    EXPECT_EQ(wizard.Domains().Rows().back().type, "Integer");
    wizard.Next();
    ScriptNewArray("x", 1, "3");
    ASSERT_TRUE(wizard.Variables().OnNewVariable());
    EXPECT_EQ(wizard.Variables().Rows().front().size, "3");
    wizard.Next();
    ScriptNewConstraint("Diff", "AllDifferent(x);");
    ASSERT_TRUE(wizard.Constraints().OnNewConstraint());
    EXPECT_EQ(wizard.Constraints().Rows(), std::vector<std::string>{"Diff"});

    // Without its variable the problem does not parse: the wizard stays on the constraints page.
    wizard.Back();
    messages.answers = {true};
    ASSERT_TRUE(wizard.Variables().OnDeleteVariable(0));
    EXPECT_EQ(messages.boxes.back(), (Box{"Delete Variable with ID  x", "Delete", true}));
    wizard.Next();
    messages.boxes.clear();
    EXPECT_FALSE(wizard.Next());
    EXPECT_EQ(wizard.Current(), TavWizardModel::Page::Constraints);
    EXPECT_EQ(messages.Only().text, "Error - Please Check Constraints\nVariables \n and Domains");

    wizard.Back();
    ScriptNewArray("x", 1, "3");
    ASSERT_TRUE(wizard.Variables().OnNewVariable());
    wizard.Next();
    ASSERT_TRUE(wizard.Next());
    EXPECT_EQ(wizard.Final().Summary(),
              "Finish will now create a Tav problem with the following:\r\nDomains:\r\n"
              "Small\r\nVariables:\r\nx\r\nConstraints:\r\nDiff\r\n");
    wizard.Final().titleText = "Three";
    ASSERT_TRUE(wizard.Finish());

    doc.GetOptimisation().push_back("Minimise(q[0]);");
    wizard.TakeOver(doc);
    EXPECT_EQ(doc.GetTitle(), "Three");
    EXPECT_TRUE(doc.GetOptimisation().empty());
    EXPECT_EQ(doc.GetVariables().GetSize(), 1);
    EXPECT_EQ(wizard.Lists().variables.GetSize(), 0);
    doc.GetParameterBlock(0).SetParameter(2, 0);
    TavWorkbench::HeadlessSolveDriver driver(doc);
    const auto outcome = driver.Run(-1);
    ASSERT_TRUE(outcome.started) << doc.GetLastParseError();
    EXPECT_EQ(outcome.found, 6);
}

// "Delete Domain" deletes a domain nothing uses; "Domains" on the variables page makes a new one.
TEST_F(ProblemWizard, DeleteDomainAndTheVariablesPagesDomainsButton) {
    ScriptNewIntDomain("A", "0", "1");
    ASSERT_TRUE(wizard.Variables().OnDomains());
    ScriptNewArray("y", 1, "2");
    ASSERT_TRUE(wizard.Variables().OnNewVariable());
    ScriptNewIntDomain("B", "0", "5");
    ASSERT_TRUE(wizard.Domains().OnNewDomain());
    EXPECT_EQ(wizard.Lists().domains.GetSize(), 3);

    EXPECT_FALSE(wizard.Domains().OnDeleteDomain(0));
    EXPECT_EQ(messages.boxes.back().text, "System Domain - Can't Delete");
    EXPECT_FALSE(wizard.Domains().OnDeleteDomain(1));
    EXPECT_EQ(messages.boxes.back().text.rfind("Cannot delete, in Use by\n", 0), 0u);
    messages.answers = {true};
    EXPECT_TRUE(wizard.Domains().OnDeleteDomain(2));
    EXPECT_EQ(wizard.Lists().domains.GetSize(), 2);

    // Editing a domain's id shows at once; a Boolean domain opens nothing.
    ScriptNewIntDomain("C", "0", "2");
    ASSERT_TRUE(wizard.Domains().OnNewDomain());
    host.Script<NumDlgModel>(Accept<NumDlgModel>([](NumDlgModel& m) { m.id = "Bits"; }));
    ASSERT_TRUE(wizard.Domains().OnEdit(2));
    EXPECT_EQ(wizard.Domains().Rows()[2].id, "Bits");
    host.ran.clear();
    EXPECT_FALSE(wizard.Domains().OnEdit(0));
    EXPECT_TRUE(host.ran.empty());
}

} // namespace
