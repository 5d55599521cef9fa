// The domain dialogs: each refusal with its text, caption and focused field, the domains they
// produce, and the handlers of their lists and boxes.

#include "DialogTestSupport.hpp"

#include "workbench/dialogs/NumberFields.hpp"
#include "workbench/dialogs/domains/DomainDialogs.hpp"
#include "workbench/dialogs/domains/EnumDlgModel.hpp"
#include "workbench/dialogs/domains/FloatDomModel.hpp"
#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/domains/RangeDlgModel.hpp"
#include "workbench/dialogs/domains/SetDlgModel.hpp"
#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"
#include "workbench/dialogs/variables/SelConstDlgModel.hpp"
#include "workbench/model/CDoubleDomain.hpp"
#include "workbench/model/ProblemText.hpp"

#include <gtest/gtest.h>

#include <type_traits>

using namespace TavDialogs;
using TavWorkbench::CIntDomain;

namespace {

const char* kValuesError = "Domain Values - Error";

struct NumCase {
    const char* name;
    std::function<void(NumDlgModel&)> fill;
    Box box;
    NumDlgModel::Field focus;
};

TEST(NumDlgModelTest, RefusalsOfANewIntegerDomain) {
    using F = NumDlgModel::Field;
    const std::vector<NumCase> cases{
        {"nothing entered",
         [](NumDlgModel& m) { m.id = "D2"; },
         {"Min and Max or List of Values ", kValuesError},
         F::Min},
        {"only Min",
         [](NumDlgModel& m) { m.id = "D2", m.minText = "1"; },
         {"Use Value OR Constant for Maximum Value", kValuesError},
         F::Max},
        {"only Max",
         [](NumDlgModel& m) { m.id = "D2", m.maxText = "1"; },
         {"Use Value OR Constant for Minimum Value", kValuesError},
         F::Min},
        {"empty id", [](NumDlgModel& m) { m.minText = "1", m.maxText = "2"; }, {"An ID is required"}, F::ID},
        {"digit first", [](NumDlgModel& m) { m.id = "2D"; }, {"ID must start with a letter"}, F::ID},
        {"keyword",
         [](NumDlgModel& m) { m.id = "ForAll"; },
         {"The id is in use as a Keyword, Please Change"},
         F::ID},
        {"domain id in other case",
         [](NumDlgModel& m) { m.id = "DIGITS"; },
         {"The id is already in use for a Domain, Please Change"},
         F::ID},
        {"variable id",
         [](NumDlgModel& m) { m.id = "Q"; },
         {"The id is already in use for a Variable, Please Change"},
         F::ID},
        {"constant id",
         [](NumDlgModel& m) { m.id = "n"; },
         {"The id is already in use for a Constant, Please Change"},
         F::ID},
        {"constraint id",
         [](NumDlgModel& m) { m.id = "C1"; },
         {"The id is already in use for a Constraint, Please Change"},
         F::ID},
        {"Min not a number",
         [](NumDlgModel& m) { m.id = "D2", m.minText = "x", m.maxText = "3"; },
         {"Enter an integer value in Minimum"},
         F::Min},
        {"Max not a number",
         [](NumDlgModel& m) { m.id = "D2", m.minText = "1", m.maxText = "3x"; },
         {"Enter an integer value in Maximum"},
         F::Max},
        {"Min above Max",
         [](NumDlgModel& m) { m.id = "D2", m.minText = "5", m.maxText = "1"; },
         {"Minimum is greater than maximum"},
         F::Min},
        {"unknown min constant",
         [](NumDlgModel& m) { m.id = "D2", m.OnChooseMinConst("M"), m.maxText = "3"; },
         {"Minimum Constant not found"},
         F::Min},
        {"offset not a number",
         [](NumDlgModel& m) { m.id = "D2", m.OnChooseMinConst("N"), m.minOffsetText = "-"; },
         {"Please enter an integer."},
         F::MinOffset},
        {"set constant as list",
         [](NumDlgModel& m) { m.id = "D2", m.OnChooseListConst("S"); },
         {"Not List Type Constant"},
         F::NewValue},
    };
    for (const NumCase& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        NumDlgModel model(problem.refs);
        c.fill(model);
        EXPECT_FALSE(model.OnOK(messages)) << c.name;
        EXPECT_EQ(messages.Only(), c.box) << c.name;
        EXPECT_EQ(model.GetFocus(), c.focus) << c.name;
    }
}

TEST(NumDlgModelTest, IllegalCharactersAreRemovedAndTheAttemptEnds) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    NumDlgModel model(problem.refs);
    model.id = "my dom";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Illegal characters removed from ID"});
    EXPECT_EQ(model.id, "mydom");
}

TEST(NumDlgModelTest, DomainsProduced) {
    struct Case {
        const char* name;
        std::function<void(NumDlgModel&)> fill;
        std::string modelText;
        int lower, upper;
    };
    const std::vector<Case> cases{
        {"typed range", [](NumDlgModel& m) { m.minText = "1", m.maxText = "9"; }, "[1,9];", 1, 9},
        {"one-point range", [](NumDlgModel& m) { m.minText = "5", m.maxText = "5"; }, "[5,5];", 5, 5},
        {"bound from a constant with an offset",
         [](NumDlgModel& m) { m.OnChooseMaxConst("N"), m.maxOffsetText = "-1", m.minText = "0"; }, "[0,N-1];",
         0, 3},
        {"value list",
         [](NumDlgModel& m) {
             RecordingDialogMessages quiet;
             for (const char* value : {"7", "2"}) {
                 m.newValue = value;
                 m.OnAddValue(quiet);
             }
         },
         "{2,7};", 0, 0},
    };
    for (const Case& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        NumDlgModel model(problem.refs);
        model.id = "D2";
        c.fill(model);
        ASSERT_TRUE(model.OnOK(messages))
            << c.name << ": " << (messages.boxes.empty() ? "" : messages.boxes[0].text);
        auto domain = model.MakeDomain();
        EXPECT_EQ(domain->GetModelText(), c.modelText) << c.name;
        EXPECT_EQ(domain->GetMin(), c.lower) << c.name;
        EXPECT_EQ(domain->GetMax(), c.upper) << c.name;
    }
}

TEST(NumDlgModelTest, AddingValuesKeepsThemSortedAndEmptiesTheRangeBoxes) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    NumDlgModel model(problem.refs);
    model.OnChooseMinConst("N");
    model.minOffsetText = "2";
    model.maxText = "9";
    for (const char* value : {"5", "3", "5"}) {
        model.newValue = value;
        model.OnAddValue(messages);
    }
    EXPECT_EQ(model.Entries(), (std::vector<std::string>{"3", "5"}));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Already there"});
    EXPECT_EQ(model.minConstID, "");
    EXPECT_EQ(model.maxText, "");
    EXPECT_EQ(model.minOffsetText, "0");
    EXPECT_FALSE(model.IsMinOffsetEnabled());
    EXPECT_EQ(model.newValue, "");
    EXPECT_EQ(model.GetFocus(), NumDlgModel::Field::NewValue);

    model.newValue = "x";
    model.OnAddValue(messages);
    EXPECT_EQ(messages.boxes.back().text, "Please enter an integer");

    model.minText = "1";
    model.OnMinEdited();
    EXPECT_TRUE(model.values.empty());
}

TEST(NumDlgModelTest, TypingOneBoundKeepsTheOtherBoundsConstant) {
    ProblemFixture problem;
    NumDlgModel model(problem.refs);
    model.OnChooseMaxConst("N");
    model.maxOffsetText = "-1";
    model.minText = "0";
    model.OnMinEdited();
    EXPECT_EQ(model.maxConstID, "N");
    EXPECT_EQ(model.maxOffsetText, "-1");
    EXPECT_TRUE(model.IsMaxOffsetEnabled());
}

TEST(NumDlgModelTest, EditingKeepsItsIdAndRefusesToRenameAUsedDomain) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    NumDlgModel model(problem.refs);
    model.Load(static_cast<const CIntDomain&>(*problem.model.domains[1]), 1, DialogMode::Edit);
    EXPECT_EQ(model.minText, "0");
    EXPECT_EQ(model.maxText, "9");
    EXPECT_TRUE(model.OnOK(messages)) << messages.Only().text;

    model.id = "Figures";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only(), (Box{"Can't change this Domain ID.\n It is used by\nq\n", ""}));
    EXPECT_EQ(model.id, "Digits");
}

TEST(NumDlgModelTest, ADomainDefinedByAListConstantKeepsItWhenEdited) {
    ProblemFixture problem;
    problem.model.constants.Add(
        std::make_unique<TavWorkbench::CConstant>("L", "1,3", TavWorkbench::CConstant::Type::List));
    problem.model.domains.AddIntDomain("ByList", "L", "", "", 0, 0, {}, 0, 0);
    RecordingDialogMessages messages;
    NumDlgModel model(problem.refs);
    model.Load(static_cast<const CIntDomain&>(*problem.model.domains[3]), 3, DialogMode::Edit);
    EXPECT_EQ(model.listConstID, "L");
    EXPECT_EQ(model.minText, "");
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(model.MakeDomain()->GetModelText(), "L");
}

TEST(NumDlgModelTest, ConstantsArePickedThroughTheSelectionDialog) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ScriptedHost host;
    host.Script<SelConstDlgModel>([](SelConstDlgModel& choice) {
        choice.selection = 0;
        return true;
    });
    NumDlgModel model(problem.refs);
    model.minText = "1";
    model.OnPickConst(NumDlgModel::ConstBox::Max, host, messages);
    EXPECT_EQ(model.maxConstID, "N");
    EXPECT_TRUE(model.IsMaxOffsetEnabled());

    model.OnPickConst(NumDlgModel::ConstBox::List, host, messages);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"No List Constants Found"});
    EXPECT_EQ(model.maxConstID, "N");
}

TEST(NumDlgModelTest, ViewOnlyAndCloseOnlyModes) {
    ProblemFixture problem;
    NumDlgModel model(problem.refs);
    EXPECT_TRUE(model.IsOKEnabled());
    EXPECT_EQ(model.CancelText(), "Cancel");
    model.Load(static_cast<const CIntDomain&>(*problem.model.domains[1]), 1, DialogMode::ViewOnly);
    EXPECT_TRUE(model.IsReadOnly());
    EXPECT_FALSE(model.IsOKEnabled());
    EXPECT_EQ(model.CancelText(), "Close");
}

// The enumerated, set and float dialogs share the id checks; each refusal in the order of the
// checks.
TEST(DomainIdChecksTest, EnumeratedSetAndFloatDialogs) {
    struct Case {
        const char* name;
        std::string id;
        std::string text;
    };
    const std::vector<Case> cases{
        {"empty", "", "A Domain ID is required"},
        {"digit first", "1a", "Please start ID's with a letter"},
        {"illegal characters", "a-b", "Illegal characters removed from ID"},
        {"another domain's id", "digits", "This ID is already used - Please change"},
        {"keyword", "sum", "Please Change Domain ID \n sum is a keyword"},
    };
    for (const Case& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages enumMessages, setMessages, floatMessages;
        EnumDlgModel enumModel(problem.refs);
        enumModel.id = c.id;
        enumModel.values = {"a"};
        EXPECT_FALSE(enumModel.OnOK(enumMessages)) << c.name;
        EXPECT_EQ(enumMessages.Only().text, c.text) << c.name;
        EXPECT_EQ(enumModel.GetFocus(), EnumDlgModel::Field::ID) << c.name;

        SetDlgModel setModel(problem.refs);
        setModel.id = c.id;
        setModel.values = {1};
        EXPECT_FALSE(setModel.OnOK(setMessages)) << c.name;
        EXPECT_EQ(setMessages.Only().text, c.text) << c.name;

        FloatDomModel floatModel(problem.refs);
        floatModel.id = c.id;
        floatModel.minText = "0";
        floatModel.maxText = "1.5";
        EXPECT_FALSE(floatModel.OnOK(floatMessages)) << c.name;
        EXPECT_EQ(floatMessages.Only().text, c.text) << c.name;
    }
}

TEST(EnumDlgModelTest, ValuesIgnoreCaseKeepTheDisplayedOrderAndAreRequired) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    EnumDlgModel model(problem.refs);
    EXPECT_FALSE(model.IsAddEnabled());
    model.newValue = "Red";
    model.OnNewValueChanged();
    EXPECT_TRUE(model.IsAddEnabled());
    model.OnAddValue(messages);
    EXPECT_FALSE(model.IsAddEnabled());
    for (const char* value : {"RED", "Green", "Blue"}) {
        model.newValue = value;
        model.OnAddValue(messages);
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Alrady There"});
    EXPECT_EQ(model.values, (std::vector<std::string>{"Red", "Green", "Blue"}));
    model.OnMoveValue(2, 0);
    EXPECT_EQ(model.values, (std::vector<std::string>{"Blue", "Red", "Green"}));
    model.OnRemoveValue(1);
    EXPECT_EQ(model.values, (std::vector<std::string>{"Blue", "Green"}));

    messages.boxes.clear();
    model.id = "Shade";
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(TavWorkbench::DomainLine(*model.MakeDomain()), "EnumDom Shade={\"Blue\",\"Green\"} ;");

    model.values.clear();
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "At least one value required");
}

TEST(EnumDlgModelTest, RenamingOnlyTheCaseMeetsTheIdCheck) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    EnumDlgModel model(problem.refs);
    model.Load(static_cast<const TavWorkbench::CEnumDomain&>(*problem.model.domains[2]), 2, DialogMode::Edit);
    EXPECT_TRUE(model.OnOK(messages));
    model.id = "COLOUR";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "This ID is already used - Please change");
}

TEST(SetDlgModelTest, ValuesRangesAndEmptySets) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ScriptedHost host;
    SetDlgModel model(problem.refs);
    model.id = "Small";
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "Set of Values is Empty");
    EXPECT_EQ(model.GetFocus(), SetDlgModel::Field::NewValue);

    messages.boxes.clear();
    for (const char* value : {"5", "-3", "5", "z"}) {
        model.newValue = value;
        model.OnAddValue(messages);
    }
    EXPECT_EQ(model.values, (std::vector<int>{-3, 5}));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Already there", "Please enter a positive integer"}));

    host.Script<RangeDlgModel>([](RangeDlgModel& range) {
        RecordingDialogMessages yes;
        range.fromText = "1", range.toText = "10", range.stepText = "3";
        return range.OnOK(yes);
    });
    model.OnEnterViaRange(host);
    EXPECT_EQ(model.values, (std::vector<int>{1, 4, 7, 10}));
    messages.boxes.clear();
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(TavWorkbench::DomainLine(*model.MakeDomain()), "SetDom Small={1,4,7,10} ;");
}

TEST(FloatDomModelTest, BoundsMustBeNumbersInOrder) {
    struct Case {
        const char* name;
        std::string min, max;
        std::vector<bool> answers;
        std::vector<std::string> texts;
        bool accepted;
        FloatDomModel::Field focus;
    };
    using F = FloatDomModel::Field;
    const std::vector<Case> cases{
        {"empty Min (new)", "", "1", {}, {"Please enter a number."}, false, F::Min},
        {"letters in Max", "0", "abc", {}, {"Please enter a number."}, false, F::Max},
        {"Min above Max", "2.5", "1", {}, {"Min is greater than Max"}, false, F::Min},
        {"equal, No", "1", "1", {false}, {"Min and Max are equal OK"}, false, F::Min},
        {"equal, Yes", "1", "1", {true}, {"Min and Max are equal OK"}, true, F::ID},
        {"range", "-0.5", "2e3", {}, {}, true, F::ID},
    };
    for (const Case& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        messages.answers.assign(c.answers.begin(), c.answers.end());
        FloatDomModel model(problem.refs);
        model.id = "Reals";
        model.minText = c.min;
        model.maxText = c.max;
        EXPECT_EQ(model.OnOK(messages), c.accepted) << c.name;
        EXPECT_EQ(messages.Texts(), c.texts) << c.name;
        if (!c.accepted) {
            EXPECT_EQ(model.GetFocus(), c.focus) << c.name;
        }
    }
    ProblemFixture problem;
    RecordingDialogMessages messages;
    FloatDomModel model(problem.refs);
    model.id = "Reals", model.minText = "-0.5", model.maxText = "2e3";
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(model.MakeDomain()->GetMin(), -0.5);
    EXPECT_EQ(model.MakeDomain()->GetMax(), 2000.0);
}

// The enumerated, set and float dialogs in their three modes, over a domain Dom of their kind:
// what the boxes show, whether OK takes the id as typed, and the domain it produces.
struct ModeCase {
    const char* name;
    DialogMode mode;
    bool used; // a variable v uses Dom
    std::string typedID;
    bool accepted;
    std::string shown;
    std::string idAfter;
};

const std::vector<ModeCase>& ModeCases() {
    static const std::vector<ModeCase> cases{
        {"new", DialogMode::New, false, "Fresh", true, "", "Fresh"},
        {"new, a domain's id in other case", DialogMode::New, true, "dom", false,
         "This ID is already used - Please change", "dom"},
        {"edit, own id kept", DialogMode::Edit, true, "Dom", true, "", "Dom"},
        {"edit, renamed while used", DialogMode::Edit, true, "Fresh", false,
         "Can't change this Domain ID.\n It is used by\nv\n", "Dom"},
        {"edit, renamed while unused", DialogMode::Edit, false, "Fresh", true, "", "Fresh"},
        {"edit, only the case changed", DialogMode::Edit, false, "DOM", false,
         "This ID is already used - Please change", "DOM"},
        {"edit, renamed to another domain", DialogMode::Edit, false, "Digits", false,
         "This ID is already used - Please change", "Digits"},
        {"edit, renamed to a keyword", DialogMode::Edit, false, "Sum", false,
         "Please Change Domain ID \n Sum is a keyword", "Sum"},
        {"view only", DialogMode::ViewOnly, true, "", false, "", "Dom"},
    };
    return cases;
}

template <class Model> struct ModeKind {
    const char* name;
    TavWorkbench::CVariable::Type variableType;
    std::function<void(TavWorkbench::CDomainArray&)> addDom;
    // Types Dom's contents into a new dialog.
    std::function<void(Model&)> fill;
    // The contents the boxes show, and what they show for Dom.
    std::function<std::string(const Model&)> boxes;
    std::string domBoxes;
    // A produced domain, and what Dom renamed `id` would give.
    std::function<std::string(const TavWorkbench::CDomain&)> describe;
    std::function<std::string(const std::string& id)> expected;
};

template <class Model, class Domain> void RunModeCases(const ModeKind<Model>& kind) {
    for (const ModeCase& c : ModeCases()) {
        const std::string label = std::string(kind.name) + ", " + c.name;
        ProblemFixture problem;
        kind.addDom(problem.model.domains);
        const int index = problem.model.domains.GetSize() - 1;
        if (c.used) problem.model.variables.AddVariable("v", kind.variableType, "Dom", 0, "", {});
        RecordingDialogMessages messages;
        Model model(problem.refs);
        if (c.mode == DialogMode::New) {
            kind.fill(model);
        } else {
            model.Load(static_cast<const Domain&>(*problem.model.domains[index]), index, c.mode);
            EXPECT_EQ(model.id, "Dom") << label;
            EXPECT_EQ(model.GetIndex(), index) << label;
        }
        EXPECT_EQ(model.GetMode(), c.mode) << label;
        EXPECT_EQ(kind.boxes(model), kind.domBoxes) << label;
        EXPECT_EQ(model.IsReadOnly(), c.mode == DialogMode::ViewOnly) << label;
        EXPECT_EQ(model.CancelText(), c.mode == DialogMode::ViewOnly ? "Close" : "Cancel") << label;
        if constexpr (std::is_same_v<Model, EnumDlgModel>) {
            EXPECT_EQ(model.GetFocus(),
                      c.mode == DialogMode::New ? Model::Field::ID : Model::Field::ValueList)
                << label;
            EXPECT_FALSE(model.IsAddEnabled()) << label;
        }
        if (c.mode == DialogMode::ViewOnly) continue;

        model.id = c.typedID;
        EXPECT_EQ(model.OnOK(messages), c.accepted) << label;
        EXPECT_EQ(messages.Texts(), c.shown.empty() ? std::vector<std::string>{} : std::vector{c.shown})
            << label;
        EXPECT_EQ(model.id, c.idAfter) << label;
        if (c.accepted) {
            EXPECT_EQ(kind.describe(*model.MakeDomain()), kind.expected(c.idAfter)) << label;
        } else {
            EXPECT_TRUE(model.GetFocus() == Model::Field::ID) << label;
        }
    }
}

TEST(DomainModesTest, EnumeratedSetAndFloatDialogsInEachMode) {
    using TavWorkbench::CVariable;
    RunModeCases<EnumDlgModel, TavWorkbench::CEnumDomain>({
        "enumerated",
        CVariable::Type::EnumVar,
        [](TavWorkbench::CDomainArray& domains) {
            domains.AddEnumDomain("Dom", {"Tea", "coffee"});
        },
        [](EnumDlgModel& m) {
            m.values = {"Tea", "coffee"};
        },
        [](const EnumDlgModel& m) { return m.values.empty() ? "" : m.values[0] + "," + m.values.back(); },
        "Tea,coffee",
        [](const TavWorkbench::CDomain& d) { return TavWorkbench::DomainLine(d); },
        [](const std::string& id) { return "EnumDom " + id + "={\"Tea\",\"coffee\"} ;"; },
    });
    RunModeCases<SetDlgModel, TavWorkbench::CSetDomain>({
        "set",
        CVariable::Type::SetVar,
        [](TavWorkbench::CDomainArray& domains) {
            domains.AddSetDomain("Dom", {4, -2, 9});
        },
        [](SetDlgModel& m) {
            RecordingDialogMessages quiet;
            for (const char* value : {"9", "-2", "4"}) {
                m.newValue = value;
                m.OnAddValue(quiet);
            }
        },
        [](const SetDlgModel& m) {
            std::string text;
            for (const std::string& entry : m.Entries())
                text += entry + " ";
            return text;
        },
        "-2 4 9 ",
        [](const TavWorkbench::CDomain& d) { return TavWorkbench::DomainLine(d); },
        [](const std::string& id) { return "SetDom " + id + "={-2,4,9} ;"; },
    });
    RunModeCases<FloatDomModel, TavWorkbench::CDoubleDomain>({
        "float",
        CVariable::Type::RealVar,
        [](TavWorkbench::CDomainArray& domains) { domains.AddDoubleDomain("Dom", -1.5, 2.25); },
        [](FloatDomModel& m) { m.minText = "-1.5", m.maxText = "2.25"; },
        [](const FloatDomModel& m) { return m.minText + " " + m.maxText; },
        "-1.5 2.25",
        [](const TavWorkbench::CDomain& d) {
            const auto& real = static_cast<const TavWorkbench::CDoubleDomain&>(d);
            return real.GetID() + " " + DoubleText(real.GetMin()) + " " + DoubleText(real.GetMax());
        },
        [](const std::string& id) { return id + " -1.5 2.25"; },
    });
}

TEST(RangeDlgModelTest, RangesAndTheirRefusals) {
    struct Case {
        const char* name;
        std::string from, to, step;
        std::vector<std::string> texts;
        bool accepted;
        RangeDlgModel::Field focus;
    };
    using F = RangeDlgModel::Field;
    const std::vector<Case> cases{
        {"four values", "1", "10", "3", {"Place 4 values in Set"}, true, F::Step},
        {"step zero", "1", "10", "0", {"Please enter an integer not less than  1"}, false, F::Step},
        {"negative step", "1", "10", "-2", {"Please enter an integer not less than  1"}, false, F::Step},
        {"To below From", "5", "1", "1", {"To is less than From"}, false, F::From},
        {"To too big", "0", "10000000", "1", {"To is too big"}, false, F::To},
        {"From too small", "-10000000", "5", "1", {"From is too small"}, false, F::From},
        {"step too large", "0", "5", "1000001", {"Step too large"}, false, F::Step},
        {"a large set",
         "1",
         "2000",
         "1",
         {"Place 2000 values in Set\nThe set is rather large\n Continue"},
         true,
         F::Step},
        {"too many", "0", "999999", "1", {"Proposed set of 1000000\nis too large"}, false, F::To},
        {"not a number", "a", "5", "1", {"Please enter an integer."}, false, F::From},
    };
    for (const Case& c : cases) {
        RecordingDialogMessages messages;
        RangeDlgModel model;
        model.fromText = c.from, model.toText = c.to, model.stepText = c.step;
        EXPECT_EQ(model.OnOK(messages), c.accepted) << c.name;
        EXPECT_EQ(messages.Texts(), c.texts) << c.name;
        if (!c.accepted) {
            EXPECT_EQ(model.GetFocus(), c.focus) << c.name;
        }
    }
    RecordingDialogMessages messages;
    RangeDlgModel model;
    model.fromText = "1", model.toText = "10", model.stepText = "3";
    messages.answers = {false};
    EXPECT_FALSE(model.OnOK(messages));
    messages.answers = {true};
    ASSERT_TRUE(model.OnOK(messages));
    EXPECT_EQ(model.GetValues(), (std::vector<int>{1, 4, 7, 10}));
}

TEST(TypeSelDlgModelTest, AChoiceIsRequired) {
    RecordingDialogMessages messages;
    TypeSelDlgModel model;
    EXPECT_EQ(TypeSelDlgModel::Entries(), (std::vector<std::string>{"Integer", "Set"}));
    EXPECT_FALSE(model.OnOK(messages));
    EXPECT_EQ(messages.Only(), (Box{"Please Make A Selection or Cancel", "No Data Type Chosen"}));
    model.selection = TypeSelDlgModel::kSet;
    EXPECT_TRUE(model.OnOK(messages));
}

TEST(DomainDialogsTest, NewDomainsFollowTheTypeChoiceAndExistingOnesTheirType) {
    ProblemFixture problem;
    ScriptedHost host;
    host.Script<TypeSelDlgModel>([](TypeSelDlgModel& m) {
        m.selection = TypeSelDlgModel::kSet;
        return true;
    });
    host.Script<SetDlgModel>([](SetDlgModel& m) {
        m.id = "Pair";
        m.values = {1, 2};
        return true;
    });
    auto domain = RunNewDomainDialogs(host, problem.refs);
    ASSERT_TRUE(domain);
    EXPECT_EQ(TavWorkbench::DomainLine(*domain), "SetDom Pair={1,2} ;");

    EXPECT_EQ(RunDomainDialog(host, problem.refs, 2, DialogMode::ViewOnly), nullptr);
    EXPECT_EQ(host.ran, (std::vector<std::string>{"TypeSelDlgModel", "SetDlgModel", "EnumDlgModel"}));
}

} // namespace
