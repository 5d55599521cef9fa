// The help of every dialog, offscreen: each dialog, wizard page and template dialog names a
// section the user's guide holds, every field answers What's This with a line of its own, and
// F1 in a dialog opens the guide at the dialog's section.

#include "DialogTestSupport.hpp"
#include "ViewScript.hpp"

#include "../TempFolder.hpp"

#include "help/ContextHelp.hpp"
#include "help/GuideWindow.hpp"
#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/actions/EditingActions.hpp"
#include "workbench/dialogs/actions/SolverDialogActions.hpp"
#include "workbench/dialogs/builder/ExpDlgModel.hpp"
#include "workbench/dialogs/constants/ConstDlgModel.hpp"
#include "workbench/dialogs/constants/ConstantsDlgModel.hpp"
#include "workbench/dialogs/constants/IntConstModel.hpp"
#include "workbench/dialogs/constants/StringConstDlgModel.hpp"
#include "workbench/dialogs/domains/EnumDlgModel.hpp"
#include "workbench/dialogs/domains/FloatDomModel.hpp"
#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/domains/RangeDlgModel.hpp"
#include "workbench/dialogs/domains/SetDlgModel.hpp"
#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"
#include "workbench/dialogs/import/GetExcelDataDlgModel.hpp"
#include "workbench/dialogs/lp/LPConsDlgModel.hpp"
#include "workbench/dialogs/lp/LPStartDlgModel.hpp"
#include "workbench/dialogs/lp/LPWizDLGModel.hpp"
#include "workbench/dialogs/lp/OptimDlgModel.hpp"
#include "workbench/dialogs/solver/CountDlgModel.hpp"
#include "workbench/dialogs/solver/ExSolDlgModel.hpp"
#include "workbench/dialogs/solver/ExpertDlgModel.hpp"
#include "workbench/dialogs/solver/FCDialogModel.hpp"
#include "workbench/dialogs/solver/GADialogModel.hpp"
#include "workbench/dialogs/solver/GLSDialogModel.hpp"
#include "workbench/dialogs/solver/TabuDlgModel.hpp"
#include "workbench/dialogs/solver/TimeDlgModel.hpp"
#include "workbench/dialogs/templates/GridDlgModel.hpp"
#include "workbench/dialogs/templates/GridTotalDlgModel.hpp"
#include "workbench/dialogs/templates/QueenDlgModel.hpp"
#include "workbench/dialogs/templates/ShedDlgModel.hpp"
#include "workbench/dialogs/templates/TSPOptionsDlgModel.hpp"
#include "workbench/dialogs/templates/TemplateDlgModel.hpp"
#include "workbench/dialogs/transport/BothQuantDlgModel.hpp"
#include "workbench/dialogs/transport/CStringTable.hpp"
#include "workbench/dialogs/transport/CostsDlgModel.hpp"
#include "workbench/dialogs/transport/TransNumDlgModel.hpp"
#include "workbench/dialogs/transport/WarningDlgModel.hpp"
#include "workbench/dialogs/variables/CopyVarDlgModel.hpp"
#include "workbench/dialogs/variables/NewVarDlgModel.hpp"
#include "workbench/dialogs/variables/SeeAllDlgModel.hpp"
#include "workbench/dialogs/variables/SelConstDlgModel.hpp"
#include "workbench/dialogs/variables/VarDetailsDlgModel.hpp"
#include "workbench/dialogs/widgets/CBothQuantDlg.hpp"
#include "workbench/dialogs/widgets/CConstDlg.hpp"
#include "workbench/dialogs/widgets/CConstantsDlg.hpp"
#include "workbench/dialogs/widgets/CCopyVarDlg.hpp"
#include "workbench/dialogs/widgets/CCostsDlg.hpp"
#include "workbench/dialogs/widgets/CCountDlg.hpp"
#include "workbench/dialogs/widgets/CEnumDlg.hpp"
#include "workbench/dialogs/widgets/CExpDlg.hpp"
#include "workbench/dialogs/widgets/CFloatDom.hpp"
#include "workbench/dialogs/widgets/CForTempDlg.hpp"
#include "workbench/dialogs/widgets/CGetExcelDataDlg.hpp"
#include "workbench/dialogs/widgets/CGridDlg.hpp"
#include "workbench/dialogs/widgets/CGridTotalDlg.hpp"
#include "workbench/dialogs/widgets/CIFElseDlg.hpp"
#include "workbench/dialogs/widgets/CIntConst.hpp"
#include "workbench/dialogs/widgets/CLPConsDlg.hpp"
#include "workbench/dialogs/widgets/CLPStartDlg.hpp"
#include "workbench/dialogs/widgets/CLPWizDLG.hpp"
#include "workbench/dialogs/widgets/CNewVarDlg.hpp"
#include "workbench/dialogs/widgets/CNumDlg.hpp"
#include "workbench/dialogs/widgets/COptimDlg.hpp"
#include "workbench/dialogs/widgets/CQueenDlg.hpp"
#include "workbench/dialogs/widgets/CRangeDlg.hpp"
#include "workbench/dialogs/widgets/CSeeAllDlg.hpp"
#include "workbench/dialogs/widgets/CSelConstDlg.hpp"
#include "workbench/dialogs/widgets/CSetDlg.hpp"
#include "workbench/dialogs/widgets/CShedDlg.hpp"
#include "workbench/dialogs/widgets/CStatsDlg.hpp"
#include "workbench/dialogs/widgets/CStringConstDlg.hpp"
#include "workbench/dialogs/widgets/CTSPOptionsDlg.hpp"
#include "workbench/dialogs/widgets/CTavWizard.hpp"
#include "workbench/dialogs/widgets/CTemplateDlg.hpp"
#include "workbench/dialogs/widgets/CTimeDlg.hpp"
#include "workbench/dialogs/widgets/CTransNumDlg.hpp"
#include "workbench/dialogs/widgets/CTypeSelDlg.hpp"
#include "workbench/dialogs/widgets/CVarDetailsDlg.hpp"
#include "workbench/dialogs/widgets/CWarningDlg.hpp"
#include "workbench/dialogs/widgets/ExSolDlg.hpp"
#include "workbench/dialogs/widgets/ExpertDlg.hpp"
#include "workbench/dialogs/widgets/FCDialog.hpp"
#include "workbench/dialogs/widgets/GADialog.hpp"
#include "workbench/dialogs/widgets/GLSDialog.hpp"
#include "workbench/dialogs/widgets/QtDialogMessages.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"
#include "workbench/dialogs/widgets/TabuDlg.hpp"
#include "workbench/ui/CAboutDlg.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

using namespace TavDialogs;

namespace {

// Every dialog of the workbench, each over a model of its own (kept for the view's life).
class AllDialogs {
public:
    AllDialogs() {
        doc.OnNewDocument();
        doc.GetDomains().AddIntDomain("Digit", "", "", "", 0, 9, {}, 0, 0);
        doc.GetVariables().AddVariable("x", TavWorkbench::CVariable::Type::IntVar, "Digit", 0, "", {});
    }

    using Make = std::function<QWidget*(AllDialogs&)>;
    // (view class, how to build it), for every dialog.
    static const std::vector<std::pair<std::string, Make>>& Factories();

    template <class Model, class... Args> Model& Keep(Args&&... args) {
        auto model = std::make_shared<Model>(std::forward<Args>(args)...);
        m_kept.push_back(model);
        return *model;
    }
    ProblemRefs Refs() { return ProblemRefs::Of(doc.GetModel(), doc.GetKeyWords()); }

    TempFolder folder;
    RecordingDialogMessages messages;
    TavWorkbench::CTavDoc doc{&messages, folder.Path()};
    QtDialogHost host{messages};
    QtWizardHost wizards{messages, host};
    TavBridges::AlgParams params;
    CStringTable table{3, 4};
    // The window the workbench's boxes stand over when no dialog runs.
    QWidget dialogsOwner;

private:
    std::vector<std::shared_ptr<void>> m_kept;
};

template <class View, class Model, class... Args> AllDialogs::Make Element(Args... args) {
    return [=](AllDialogs& all) -> QWidget* {
        return new View(all.Keep<Model>(args...), all.messages, all.host);
    };
}
template <class View, class Model, class... Args> AllDialogs::Make Wizard(Args... args) {
    return [=](AllDialogs& all) -> QWidget* { return new View(all.Keep<Model>(args...), all.wizards); };
}
template <class View, class Model> AllDialogs::Make WithRefs() {
    return [](AllDialogs& all) -> QWidget* {
        return new View(all.Keep<Model>(all.Refs()), all.messages, all.host);
    };
}

const std::vector<std::pair<std::string, AllDialogs::Make>>& AllDialogs::Factories() {
    using A = AllDialogs;
    static const std::vector<std::pair<std::string, Make>> factories = {
        {"CTypeSelDlg", Element<CTypeSelDlg, TypeSelDlgModel>()},
        {"CNumDlg", WithRefs<CNumDlg, NumDlgModel>()},
        {"CEnumDlg", WithRefs<CEnumDlg, EnumDlgModel>()},
        {"CFloatDom", WithRefs<CFloatDom, FloatDomModel>()},
        {"CSetDlg", WithRefs<CSetDlg, SetDlgModel>()},
        {"CRangeDlg", Element<CRangeDlg, RangeDlgModel>()},
        {"CNewVarDlg", WithRefs<CNewVarDlg, NewVarDlgModel>()},
        {"CCopyVarDlg",
         [](A& a) -> QWidget* {
             return new CCopyVarDlg(a.Keep<CopyVarDlgModel>(a.doc.GetVariables(), std::string("x")),
                                    a.messages, a.host);
         }},
        {"CSelConstDlg",
         [](A& a) -> QWidget* {
             return new CSelConstDlg(
                 a.Keep<SelConstDlgModel>(a.doc.GetConstants(), TavWorkbench::CConstant::Type::Integer),
                 a.messages, a.host);
         }},
        {"CVarDetailsDlg",
         [](A& a) -> QWidget* {
             return new CVarDetailsDlg(a.Keep<VarDetailsDlgModel>(a.doc.GetVariables()), a.messages, a.host);
         }},
        {"CSeeAllDlg",
         [](A& a) -> QWidget* {
             return new CSeeAllDlg(a.Keep<SeeAllDlgModel>(a.doc.GetDomains(), a.doc.GetVariables()),
                                   a.messages, a.host);
         }},
        {"CConstantsDlg",
         [](A& a) -> QWidget* {
             return new CConstantsDlg(a.Keep<ConstantsDlgModel>(a.doc.GetModel(), a.doc.GetKeyWords()),
                                      a.messages, a.host);
         }},
        {"CIntConst", WithRefs<CIntConst, IntConstModel>()},
        {"CConstDlg", WithRefs<CConstDlg, ConstDlgModel>()},
        {"CStringConstDlg", WithRefs<CStringConstDlg, StringConstDlgModel>()},
        {"CExpDlg",
         [](A& a) -> QWidget* {
             return new CExpDlg(a.Keep<ExpDlgModel>(a.Refs(), a.doc.GetAvailableConstraints()), a.messages,
                                a.host);
         }},
        {"CForTempDlg", [](A&) -> QWidget* { return new CForTempDlg(nullptr); }},
        {"CIFElseDlg", [](A&) -> QWidget* { return new CIFElseDlg(nullptr); }},
        {"FCDialog",
         [](A& a) -> QWidget* {
             return new FCDialog(a.Keep<FCDialogModel>(a.params, true), a.messages, a.host);
         }},
        {"GLSDialog",
         [](A& a) -> QWidget* {
             return new GLSDialog(a.Keep<GLSDialogModel>(a.params), a.messages, a.host);
         }},
        {"GADialog",
         [](A& a) -> QWidget* { return new GADialog(a.Keep<GADialogModel>(a.params), a.messages, a.host); }},
        {"TabuDlg",
         [](A& a) -> QWidget* { return new TabuDlg(a.Keep<TabuDlgModel>(a.params), a.messages, a.host); }},
        {"ExpertDlg",
         [](A& a) -> QWidget* {
             return new ExpertDlg(a.Keep<ExpertDlgModel>(std::vector<std::string>{"GFC", "GLS"}, 20),
                                  a.messages, a.host);
         }},
        {"ExSolDlg",
         [](A& a) -> QWidget* {
             return new ExSolDlg(a.Keep<ExSolDlgModel>(std::vector<ExSolDlgModel::Entry>{{"GLS", 1}}),
                                 a.messages, a.host);
         }},
        {"CTimeDlg", Element<CTimeDlg, TimeDlgModel>(5)},
        {"CCountDlg", Element<CCountDlg, CountDlgModel>(1)},
        {"CStatsDlg", [](A&) -> QWidget* { return new CStatsDlg(nullptr); }},
        {"CGetExcelDataDlg",
         [](A& a) -> QWidget* {
             return new CGetExcelDataDlg(a.Keep<GetExcelDataDlgModel>(a.doc.GetModel(), a.doc.GetKeyWords()),
                                         a.messages, a.host);
         }},
        {"CTavWizard",
         [](A& a) -> QWidget* {
             return new CTavWizard(a.Keep<TavWizardModel>(
                 a.doc.GetKeyWords(), a.doc.GetAvailableConstraints(), a.host, a.messages));
         }},
        {"CTemplateDlg", Wizard<CTemplateDlg, TemplateDlgModel>()},
        {"CQueenDlg", Wizard<CQueenDlg, QueenDlgModel>()},
        {"CTSPOptionsDlg", Wizard<CTSPOptionsDlg, TSPOptionsDlgModel>(0, false, 1, 10)},
        {"CShedDlg", Wizard<CShedDlg, ShedDlgModel>()},
        {"CGridDlg",
         [](A& a) -> QWidget* {
             return new CGridDlg(a.Keep<GridDlgModel>(GridDlgModel::Demand(2, 3, 1)), a.wizards);
         }},
        {"CGridTotalDlg", Wizard<CGridTotalDlg, GridTotalDlgModel>(1, 3)},
        {"COptimDlg", Wizard<COptimDlg, OptimDlgModel>(2, std::vector<std::string>{}, -1)},
        {"CLPStartDlg", Wizard<CLPStartDlg, LPStartDlgModel>(2)},
        {"CLPWizDLG", Wizard<CLPWizDLG, LPWizDLGModel>(2)},
        {"CLPConsDlg", Wizard<CLPConsDlg, LPConsDlgModel>(2)},
        {"CTransNumDlg", Wizard<CTransNumDlg, TransNumDlgModel>(false)},
        {"CWarningDlg", Wizard<CWarningDlg, WarningDlgModel>(false, 10.0, 12.0)},
        {"CBothQuantDlg", Wizard<CBothQuantDlg, BothQuantDlgModel>(3, 4)},
        {"CCostsDlg",
         [](A& a) -> QWidget* {
             return new CCostsDlg(
                 a.Keep<CostsDlgModel>(CostsDlgModel::Transport(a.table, 3, 4, false, false)), a.wizards);
         }},
        {"CAboutDlg", [](A&) -> QWidget* { return new TavWorkbench::Ui::CAboutDlg(nullptr); }},
    };
    return factories;
}

// The widgets a user types into, ticks, picks from or presses; the parts of a composite
// widget (a spin box's edit, a view's scroll bars and corner button) are not fields of their own.
bool IsField(const QWidget* widget, const QWidget* dialog) {
    const bool input =
        qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
        qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
        qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
        qobject_cast<const QTextEdit*>(widget);
    if (!input) return false;
    for (const QWidget* w = widget->parentWidget(); w != nullptr && w != dialog; w = w->parentWidget())
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
            qobject_cast<const QAbstractItemView*>(w))
            return false;
    return true;
}

// The widgets of `dialog` that name a section (the dialog, a wizard's pages).
std::vector<QWidget*> SectionHolders(QWidget* dialog) {
    std::vector<QWidget*> holders;
    if (!TavHelp::ContextHelp::SectionsOf(dialog).empty()) holders.push_back(dialog);
    for (QWidget* child : dialog->findChildren<QWidget*>())
        if (child->property("tavHelpSection").isValid()) holders.push_back(child);
    return holders;
}

} // namespace

TEST(DialogHelp, EveryDialogNamesAGuideSectionAndEveryFieldAnswersWhatsThis) {
    AllDialogs all;
    const TavHelp::GuideIndex& guide = TavHelp::GuideWindow::Guide();
    for (const auto& [name, make] : AllDialogs::Factories()) {
        std::unique_ptr<QWidget> dialog(make(all));
        EXPECT_TRUE(std::string(dialog->metaObject()->className()).ends_with("::" + name)) << name;
        EXPECT_FALSE(TavHelp::ContextHelp::SectionsOf(dialog.get()).empty())
            << name << " names no section of the guide";
        for (QWidget* holder : SectionHolders(dialog.get())) {
            const std::string section = holder->property("tavHelpSection").toString().toStdString();
            EXPECT_TRUE(guide.PageOf(section)) << name << ": the guide has no section " << section;
            EXPECT_TRUE(TavHelp::ContextHelp::UnknownFields(holder).isEmpty())
                << name << " has no fields "
                << TavHelp::ContextHelp::UnknownFields(holder).join(", ").toStdString();
        }
        std::map<QString, QString> lines;
        for (QWidget* field : dialog->findChildren<QWidget*>()) {
            if (!IsField(field, dialog.get())) continue;
            EXPECT_FALSE(field->objectName().isEmpty()) << name << ": a " << field->metaObject()->className()
                                                        << " without a name cannot be given its line";
            EXPECT_FALSE(field->whatsThis().isEmpty())
                << name << "'s field " << field->objectName().toStdString() << " has no What's This line";
            if (field->whatsThis().isEmpty()) continue;
            const auto [at, fresh] = lines.emplace(field->whatsThis(), field->objectName());
            EXPECT_TRUE(fresh || at->second == field->objectName())
                << name << ": " << field->objectName().toStdString() << " and " << at->second.toStdString()
                << " share their line";
        }
    }
}

TEST(DialogHelp, F1InADialogOpensTheGuideAtItsSectionBesideTheDialog) {
    AllDialogs all;
    const std::map<std::string, std::pair<const char*, std::string>> cases = {
        {"CNumDlg", {"max", "dialogs.html#integer-domain"}},
        {"CExpDlg", {"text", "dialogs.html#constraint-builder"}},
        {"FCDialog", {"threshold", "solvers.html#gfc-parameters"}},
        {"CTemplateDlg", {"templates", "wizards.html#templates"}},
        {"CShedDlg", {"days", "wizards.html#template-nurses"}},
        {"CTavWizard", {"next", "wizards.html#problem-wizard"}},
    };
    for (const auto& [name, make] : AllDialogs::Factories()) {
        const auto found = cases.find(name);
        if (found == cases.end()) continue;
        std::unique_ptr<QWidget> dialog(make(all));
        dialog->show();
        QWidget* field = dialog->findChild<QWidget*>(QString::fromLatin1(found->second.first));
        ASSERT_NE(field, nullptr) << name;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        TavHelp::GuideWindow* guide = TavHelp::GuideWindow::Latest();
        ASSERT_NE(guide, nullptr) << name;
        EXPECT_EQ(guide->CurrentPage() + "#" + guide->CurrentAnchor(), found->second.second) << name;
        // The guide belongs to the dialog, so that it can be read while the dialog waits.
        EXPECT_EQ(guide->parentWidget(), dialog.get()) << name;
    }
}

TEST(DialogHelp, F1InARefusalBoxOpensTheHelpOfTheDialogBeneathIt) {
    AllDialogs all;
    TavDialogs::QtDialogMessages boxes(&all.dialogsOwner);
    TypeSelDlgModel model;
    CTypeSelDlg view(model, boxes, all.host);
    std::string shown;
    QTimer::singleShot(0, &view, [&] {
        // No data type chosen: OK is refused with a box over the dialog.
        QTimer::singleShot(0, &view, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->parentWidget(), &view);
            QTest::keyClick(box, Qt::Key_F1);
            if (TavHelp::GuideWindow* guide = TavHelp::GuideWindow::Latest())
                shown = guide->CurrentPage() + "#" + guide->CurrentAnchor();
            QTest::keyClick(box, Qt::Key_Escape);
            QTimer::singleShot(0, &view, [&] { view.reject(); });
        });
        Click(view, "ok");
    });
    view.exec();
    EXPECT_EQ(shown, "dialogs.html#type-select");
}
