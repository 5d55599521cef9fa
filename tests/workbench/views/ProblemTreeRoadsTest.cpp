// Every road by which the document's problem changes, and the tree following each through the
// model's announcements alone: the element dialogs, the problem wizard, the templates, the
// linear-programming wizards, the spreadsheet import, automation, and opening or starting a
// document. After each the tree equals a tree built afresh; a road that builds a whole problem
// costs one rebuild, an element road none.

#include "../RecordingMessages.hpp"
#include "../TempFolder.hpp"
#include "../dialogs/DialogTestSupport.hpp"
#include "../dialogs/WizardScript.hpp"
#include "TreeDump.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/TavAutomation.hpp"
#include "workbench/dialogs/actions/EditingActions.hpp"
#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/dialogs/constants/ConstDlgModel.hpp"
#include "workbench/dialogs/constants/IntConstModel.hpp"
#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"
#include "workbench/dialogs/import/GetExcelDataDlgModel.hpp"
#include "workbench/dialogs/templates/UseTemplateCommand.hpp"
#include "workbench/dialogs/transport/LPDrivers.hpp"
#include "workbench/dialogs/variables/CopyVarDlgModel.hpp"
#include "workbench/dialogs/variables/NewVarDlgModel.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;
using namespace TavDialogs;

namespace {

// Counts what the model announces.
class Announcements : public ModelObserver {
public:
    explicit Announcements(const TavModel& model) : m_model(model) { m_model.Subscribe(*this); }
    ~Announcements() override { m_model.Unsubscribe(*this); }
    void Added(ModelKind, int) override { ++elements; }
    void Removed(ModelKind, int) override { ++elements; }
    void Changed(ModelKind, int) override { ++elements; }
    void Reset() override { ++resets; }
    int elements = 0;
    int resets = 0;

private:
    const TavModel& m_model;
};

// A document holding the integer domain Digit and the variable x over it, its tree built.
struct Roads {
    TempFolder folder;
    RecordingMessages docMessages;
    CTavDoc doc{&docMessages, folder.Path()};
    TavAutomation automation{doc};
    ScriptedHost host;
    RecordingDialogMessages messages;
    WizardScript wizardHost;
    ProblemTree tree{doc.GetModel()};

    Roads() {
        doc.OnNewDocument();
        automation.AddLongDomainMinMax("Digit", 0, 9);
        automation.AddLongVariable("x", "Digit", 0, false);
        tree.BuildTree("Roads");
    }
    EditingActions Actions() {
        return EditingActions(doc.GetModel(), doc.GetKeyWords(), doc.GetAvailableConstraints(), host,
                              messages);
    }
    void ScriptIntDomain(const std::string& id) {
        host.Script<TypeSelDlgModel>([](TypeSelDlgModel& m) {
            m.selection = TypeSelDlgModel::kInteger;
            return true;
        });
        host.Script<NumDlgModel>(Accept<NumDlgModel>([id](NumDlgModel& m) {
            m.id = id;
            m.minText = "1";
            m.maxText = "3";
        }));
    }
    // A variable `id` on the domain at row `domainRow` of the variable dialog's list.
    void ScriptVariable(const std::string& id, int domainRow) {
        host.Script<NewVarDlgModel>(Accept<NewVarDlgModel>([=](NewVarDlgModel& m) {
            m.id = id;
            m.OnDomainChosen(domainRow);
        }));
    }
    void ScriptConstraint(const std::string& id, const std::string& text) {
        host.Script<ExpDlgModel>(Accept<ExpDlgModel>([=](ExpDlgModel& m) {
            m.id = id;
            m.text = text;
        }));
    }
};

struct Road {
    const char* what;
    // Builds a whole problem (one rebuild) rather than changing elements.
    bool whole;
    // Shown in the tree afterwards.
    const char* shows;
    std::function<void(Roads&)> take;
};

const std::vector<Road>& AllRoads() {
    static const std::vector<Road> roads = {
        {"Add Domain", false, "Small",
         [](Roads& r) {
             r.ScriptIntDomain("Small");
             EXPECT_TRUE(r.Actions().AddDomain().changed);
         }},
        {"Add Variable, several names", false, "z",
         [](Roads& r) {
             r.host.Script<NewVarDlgModel>(Accept<NewVarDlgModel>([](NewVarDlgModel& m) {
                 m.id = "y,z";
                 m.OnDomainChosen(0);
             }));
             EXPECT_TRUE(r.Actions().AddVariable().changed);
         }},
        {"Add Integer Constant", false, "N",
         [](Roads& r) {
             r.host.Script<IntConstModel>(Accept<IntConstModel>([](IntConstModel& m) {
                 m.id = "N";
                 m.valueText = "4";
             }));
             EXPECT_TRUE(r.Actions().AddIntegerConstant().changed);
         }},
        {"Add Set/List Constant", false, "S",
         [](Roads& r) {
             r.host.Script<ConstDlgModel>(Accept<ConstDlgModel>([](ConstDlgModel& m) {
                 m.id = "S";
                 m.listText = "1,2";
             }));
             EXPECT_TRUE(r.Actions().AddSetListConstant().changed);
         }},
        {"Add Constraint", false, "small",
         [](Roads& r) {
             r.ScriptConstraint("small", "x < 5;");
             EXPECT_TRUE(r.Actions().AddConstraint().changed);
         }},
        {"Add Optimisation", false, "Minimise(x);",
         [](Roads& r) {
             r.ScriptConstraint("", "Minimise(x);");
             EXPECT_TRUE(r.Actions().AddOptimisation().changed);
         }},
        {"Clone, edit and delete", false, "x2",
         [](Roads& r) {
             r.host.Script<CopyVarDlgModel>(
                 Accept<CopyVarDlgModel>([](CopyVarDlgModel& m) { m.newID = "x2"; }));
             EXPECT_TRUE(r.Actions().CloneVariable(0).changed);
             r.ScriptVariable("w", 0);
             EXPECT_TRUE(r.Actions().EditVariable(0).changed);
             EXPECT_TRUE(r.Actions().DeleteVariable(0).changed);
             EXPECT_TRUE(r.Actions().DeleteUnusedDomains().changed);
         }},
        {"Problem wizard", true, "Three",
         [](Roads& r) {
             TavWizardModel wizard(r.doc.GetKeyWords(), r.doc.GetAvailableConstraints(), r.host, r.messages);
             wizard.Next();
             r.ScriptIntDomain("Small");
             ASSERT_TRUE(wizard.Domains().OnNewDomain());
             wizard.Next();
             r.ScriptVariable("v", 1);
             ASSERT_TRUE(wizard.Variables().OnNewVariable());
             wizard.Next();
             r.ScriptConstraint("Three", "v <> 2;");
             ASSERT_TRUE(wizard.Constraints().OnNewConstraint());
             ASSERT_TRUE(wizard.Next());
             wizard.Final().titleText = "Three";
             ASSERT_TRUE(wizard.Finish());
             wizard.TakeOver(r.doc);
         }},
        {"Use Template", true, "Queens",
         [](Roads& r) {
             r.wizardHost.onTemplate = [&r, shown = false](TemplateDlgModel& m) mutable {
                 if (shown) return DialogEnd::Cancel;
                 shown = true;
                 m.selected = TemplateDlgModel::kQueens;
                 return OkWith(m, r.wizardHost.messages);
             };
             r.wizardHost.onQueen = [&r](QueenDlgModel& m) { return OkWith(m, r.wizardHost.messages); };
             EXPECT_EQ(UseTemplateCommand(r.doc, r.wizardHost).Run(), 1);
         }},
        {"Assignment wizard", true, "CandCon",
         [](Roads& r) {
             r.wizardHost.onTransNum = [&r](TransNumDlgModel& m) {
                 m.sourcesText = "2";
                 m.destinationsText = "2";
                 return m.OnOK(r.wizardHost) ? DialogEnd::Ok : DialogEnd::Cancel;
             };
             r.wizardHost.onCosts = [&r](CostsDlgModel& m) {
                 for (int row = 1; row <= m.Rows(); ++row)
                     for (int col = 1; col <= m.Cols(); ++col)
                         m.SetCell(row, col, "1");
                 return OkWith(m, r.wizardHost.messages);
             };
             EXPECT_TRUE(RunAssignProblem(r.doc, r.wizardHost));
         }},
        {"Spreadsheet import", false, "Cells",
         [](Roads& r) {
             GetExcelDataDlgModel dialog(r.doc.GetModel(), r.doc.GetKeyWords());
             dialog.ImportClipboard(std::string("1\t2\n3\t4\n"), r.messages);
             dialog.idText = "Cells";
             ASSERT_TRUE(dialog.OnOK(r.messages));
             r.doc.GetConstants().Add(std::make_unique<CConstant>(dialog.GetConstant()));
         }},
        {"Automation", false, "Odd",
         [](Roads& r) {
             TavAutomation& a = r.automation;
             EXPECT_TRUE(a.AddLongConstant("K", 3));
             EXPECT_TRUE(a.AddSetConstant("S", "1,3"));
             EXPECT_TRUE(a.AddLongDomainWithLongArray("Odd", AutomationArray{1, 0, 2, {1, 3, 5}}));
             EXPECT_TRUE(a.AddBooleanVariable("b", 2, true));
             EXPECT_TRUE(a.AddLongArrayVariable("m", "Odd", "2,2"));
             EXPECT_TRUE(a.AddConstraint("c", "x <> K;"));
             EXPECT_TRUE(a.AddConstraint("d", "x <> 1;"));
             EXPECT_TRUE(a.DeleteConstraint("c"));
             EXPECT_TRUE(a.SetOptimisation("Maximise(x);"));
         }},
        {"Open document", true, "Loaded",
         [](Roads& r) {
             CTavDoc other(&r.docMessages, r.folder.Path());
             other.OnNewDocument();
             other.GetConstraints().Add(std::make_unique<CConstraint>("Loaded", "1 < 2;"));
             other.OnSaveDocument(r.folder.Path() / "other.tav");
             r.doc.OnOpenDocument(r.folder.Path() / "other.tav");
         }},
        {"New document", true, "RealDomain", [](Roads& r) { EXPECT_TRUE(r.doc.OnNewDocument()); }},
    };
    return roads;
}

TEST(ProblemTreeRoads, EveryRoadReachesTheTreeThroughTheModel) {
    for (const Road& road : AllRoads()) {
        SCOPED_TRACE(road.what);
        Roads r;
        const std::string before = Dump(r.tree);
        Announcements heard(r.doc.GetModel());
        road.take(r);
        const std::string after = Dump(r.tree);
        EXPECT_NE(after, before);
        EXPECT_NE(after.find(road.shows), std::string::npos) << after;
        EXPECT_EQ(after, FreshDump(r.doc.GetModel(), "Roads"));
        if (road.whole) {
            EXPECT_EQ(heard.resets, 1);
            EXPECT_EQ(heard.elements, 0);
        } else {
            EXPECT_EQ(heard.resets, 0);
            EXPECT_GT(heard.elements, 0);
        }
    }
}

// The tree unsubscribes when it goes: the model's later changes reach only the trees alive.
TEST(ProblemTreeRoads, AGoneTreeHearsNothing) {
    TavModel model;
    Announcements heard(model);
    {
        ProblemTree first(model);
        first.BuildTree("t");
        model.domains.AddBoolDomain("B");
    }
    ProblemTree second(model);
    second.BuildTree("t");
    model.domains.AddBoolDomain("C");
    model.Clear();
    EXPECT_EQ(Dump(second), FreshDump(model, "t"));
    EXPECT_EQ(heard.elements, 2);
    EXPECT_EQ(heard.resets, 1);
}

} // namespace
