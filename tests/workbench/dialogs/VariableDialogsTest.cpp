// The variable dialogs and the value browser: refusals with their texts, captions and focused
// fields, the variables produced, and what the browser shows for each kind of domain.

#include "DialogTestSupport.hpp"

#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"
#include "workbench/dialogs/variables/CopyVarDlgModel.hpp"
#include "workbench/dialogs/variables/NewVarDlgModel.hpp"
#include "workbench/dialogs/variables/SeeAllDlgModel.hpp"
#include "workbench/dialogs/variables/SelConstDlgModel.hpp"
#include "workbench/dialogs/variables/VarDetailsDlgModel.hpp"

#include <gtest/gtest.h>

using namespace TavDialogs;

namespace {

using F = NewVarDlgModel::Field;
using Mode = NewVarDlgModel::Mode;

struct NewVarCase {
    const char* name;
    Mode mode;
    std::function<void(NewVarDlgModel&)> fill;
    Box box;
    F focus;
};

TEST(NewVarDlgModelTest, Refusals) {
    const auto digits = [](NewVarDlgModel& m) { m.OnDomainChosen(1); };
    const std::vector<NewVarCase> cases{
        {"no id",
         Mode::New,
         [](NewVarDlgModel&) {},
         {"A Variable ID is required\nPlease enter a Variable ID", "No Variable ID"},
         F::ID},
        {"only commas",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = ",,"; },
         {"No legitimate Variable ID found"},
         F::ID},
        {"blank in a list",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "x y"; },
         {"Illegal characters removed from ID"},
         F::ID},
        {"digit first in a list",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "a,9b"; },
         {"Variable 9b must start with a letter"},
         F::ID},
        {"a variable's id",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "a,FLAG"; },
         {"Please Change Variable ID \nFLAG it is already used"},
         F::ID},
        {"a keyword",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "In"; },
         {"Please Change Variable ID \n In is a keyword"},
         F::ID},
        {"a constraint's id",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "c1"; },
         {"ID is used as a Constraint ID - Please Change"},
         F::ID},
        {"a domain's id",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "colour"; },
         {"ID is used as a Domain ID - Please Change"},
         F::ID},
        {"a constant's id",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "s"; },
         {"ID is used as a Constant ID - Please Change"},
         F::ID},
        {"duplicated",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "a,b,A"; },
         {"a is duplicated in VarID"},
         F::ID},
        {"no domain",
         Mode::New,
         [](NewVarDlgModel& m) { m.id = "a"; },
         {"A Domain ID is required\n Double Click on List of Domains\n to select a Domain", " No Domain ID"},
         F::DomainList},
        {"array without size",
         Mode::New,
         [&](NewVarDlgModel& m) { m.id = "a", digits(m), m.OnArrayToggled(true); },
         {"Specify number of variables or select a Constant"},
         F::Dimensions},
        {"dimensions ending in a comma",
         Mode::New,
         [&](NewVarDlgModel& m) { m.id = "a", digits(m), m.OnArrayToggled(true), m.dimensionsText = "3,"; },
         {"Error in Qty"},
         F::Dimensions},
        {"dimensions starting with a comma",
         Mode::New,
         [&](NewVarDlgModel& m) { m.id = "a", digits(m), m.OnArrayToggled(true), m.dimensionsText = ",3"; },
         {"Error in Qty"},
         F::Dimensions},
        {"dimension too large",
         Mode::New,
         [&](NewVarDlgModel& m) {
             m.id = "a", digits(m), m.OnArrayToggled(true), m.dimensionsText = "99999999999";
         },
         {"Error in Qty"},
         F::Dimensions},
        {"edit: digit first",
         Mode::Edit,
         [](NewVarDlgModel& m) { m.id = "1q"; },
         {"Please start ID's with a letter"},
         F::ID},
        {"edit: another variable's id",
         Mode::Edit,
         [](NewVarDlgModel& m) { m.id = "Flag"; },
         {"Please Change Variable ID - it is already used", "Variable ID In Use"},
         F::ID},
        {"edit: a keyword",
         Mode::Edit,
         [](NewVarDlgModel& m) { m.id = "sum"; },
         {"Please Change Variable ID \n sum is a keyword"},
         F::ID},
        {"edit: a constant's id",
         Mode::Edit,
         [](NewVarDlgModel& m) { m.id = "N"; },
         {"ID is used as a Constant ID - Please Change"},
         F::ID},
        {"edit: comma",
         Mode::Edit,
         [](NewVarDlgModel& m) { m.id = "q,r"; },
         {"Illegal characters removed from ID"},
         F::ID},
        {"edit: domain gone",
         Mode::Edit,
         [](NewVarDlgModel& m) { m.domainID = "Gone"; },
         {"No Domain attached to Variable"},
         F::DomainList},
    };
    for (const NewVarCase& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        NewVarDlgModel model(problem.refs);
        if (c.mode != Mode::New) model.Load(*problem.model.variables[0], 0, c.mode);
        c.fill(model);
        EXPECT_FALSE(model.OnOK(messages)) << c.name;
        EXPECT_EQ(messages.Only(), c.box) << c.name;
        EXPECT_EQ(model.GetFocus(), c.focus) << c.name;
    }
}

TEST(NewVarDlgModelTest, VariablesProduced) {
    struct Case {
        const char* name;
        std::function<void(NewVarDlgModel&)> fill;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"several single variables",
         [](NewVarDlgModel& m) { m.id = "a,b,,c", m.OnDomainChosen(1); },
         {"IntVar a::Digits;", "IntVar b::Digits;", "IntVar c::Digits;"}},
        {"a two-dimensional array",
         [](NewVarDlgModel& m) {
             m.id = "grid", m.OnDomainChosen(1), m.OnArrayToggled(true), m.dimensionsText = "3,4";
         },
         {"IntVar grid[3][4]::Digits;"}},
        {"an array sized by a constant",
         [](NewVarDlgModel& m) {
             m.id = "row", m.OnDomainChosen(2), m.OnArrayToggled(true), m.OnChooseSizeConst("N");
         },
         {"EnumVar row[N]::Colour;"}},
        {"a Boolean variable", [](NewVarDlgModel& m) { m.id = "b", m.OnDomainChosen(0); }, {"BoolVar b;"}},
    };
    for (const Case& c : cases) {
        ProblemFixture problem;
        RecordingDialogMessages messages;
        NewVarDlgModel model(problem.refs);
        c.fill(model);
        ASSERT_TRUE(model.OnOK(messages)) << c.name << ": " << messages.Only().text;
        std::vector<std::string> lines;
        for (const auto& variable : model.MakeVariables())
            lines.push_back(variable->GetModelText());
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

TEST(NewVarDlgModelTest, SizeBoxesAreExclusiveAndFollowTheArrayFlag) {
    ProblemFixture problem;
    NewVarDlgModel model(problem.refs);
    EXPECT_TRUE(model.AllowsComma());
    EXPECT_FALSE(model.IsSizeEnabled());
    model.OnArrayToggled(true);
    EXPECT_TRUE(model.IsSizeEnabled());
    model.dimensionsText = "5";
    model.OnChooseSizeConst("N");
    EXPECT_EQ(model.dimensionsText, "");
    model.dimensionsText = "6";
    model.OnDimensionsEdited();
    EXPECT_EQ(model.sizeConstID, "");
    model.OnArrayToggled(false);
    EXPECT_EQ(model.dimensionsText, "");
    EXPECT_FALSE(model.IsSizeEnabled());

    NewVarDlgModel edit(problem.refs);
    edit.Load(*problem.model.variables[0], 0, Mode::EditFixedID);
    EXPECT_TRUE(edit.IsIDReadOnly());
    EXPECT_FALSE(edit.AllowsComma());
    EXPECT_EQ(edit.sizeConstID, "N");
    EXPECT_EQ(edit.dataType, "Integer");
    EXPECT_EQ(edit.DomainEntries()[1], "Digits  (Integer)");
    RecordingDialogMessages messages;
    EXPECT_TRUE(edit.OnOK(messages)) << messages.Only().text;
    EXPECT_EQ(edit.GetIDs(), std::vector<std::string>{"q"});
}

TEST(NewVarDlgModelTest, NestedDialogs) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    ScriptedHost host;
    NewVarDlgModel model(problem.refs);

    model.OnViewDomain(host, messages);
    model.OnDomainChosen(0);
    model.OnViewDomain(host, messages);
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Select a Domain first",
                                        "The Boolean Domain has Values of\n True(1)\n or\n False(0)"}));
    EXPECT_FALSE(messages.boxes[0].info) << "a refusal";
    EXPECT_TRUE(messages.boxes[1].info) << "information";
    model.OnDomainChosen(1);
    model.OnViewDomain(host, messages);

    // Only constants of value 1 or more size an array.
    problem.model.constants.Add(std::make_unique<TavWorkbench::CConstant>("Zero", 0));
    host.Script<SelConstDlgModel>([](SelConstDlgModel& choice) {
        EXPECT_EQ(choice.Entries().size(), 1u);
        choice.selection = 0;
        return true;
    });
    model.OnPickSizeConst(host, messages);
    EXPECT_EQ(model.sizeConstID, "N");

    host.Script<TypeSelDlgModel>([](TypeSelDlgModel& m) {
        m.selection = 0;
        return true;
    });
    host.Script<NumDlgModel>([](NumDlgModel& m) {
        RecordingDialogMessages quiet;
        m.id = "Small", m.minText = "1", m.maxText = "3";
        return m.OnOK(quiet);
    });
    model.OnNewDomain(host);
    EXPECT_EQ(model.DomainEntries().back(), "Small  (Integer)");
    EXPECT_EQ(host.ran, (std::vector<std::string>{"NumDlgModel", "SelConstDlgModel", "TypeSelDlgModel",
                                                  "NumDlgModel"}));
}

TEST(SelConstDlgModelTest, OffersOnlyTheWantedConstants) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    SelConstDlgModel integers(problem.model.constants, TavWorkbench::CConstant::Type::Integer);
    ASSERT_EQ(integers.Entries().size(), 1u);
    EXPECT_EQ(integers.Entries()[0].id, "N");
    EXPECT_TRUE(integers.OnInitDialog(messages));
    EXPECT_FALSE(integers.OnOK(messages));
    EXPECT_EQ(messages.Only().text, "Select a Constant or Quit");

    messages.boxes.clear();
    problem.model.constants.RemoveAt(0);
    SelConstDlgModel none(problem.model.constants, TavWorkbench::CConstant::Type::Integer, true);
    EXPECT_FALSE(none.OnInitDialog(messages));
    EXPECT_EQ(messages.Only().text, "No Integer Constants Found");
}

TEST(CopyVarDlgModelTest, TheNewIdIsRequiredAndFree) {
    ProblemFixture problem;
    RecordingDialogMessages messages;
    CopyVarDlgModel model(problem.model.variables, "q");
    EXPECT_FALSE(model.OnOK(messages));
    model.newID = "Q";
    EXPECT_FALSE(model.OnOK(messages));
    model.newID = "q2";
    EXPECT_TRUE(model.OnOK(messages));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"Please enter a new ID", "Please Change Name - it is already used"}));
}

TEST(VarDetailsDlgModelTest, OneRowPerVariable) {
    ProblemFixture problem;
    problem.model.variables.AddVariable("g", TavWorkbench::CVariable::Type::IntVar, "Digits", 1, "", {3, 4});
    VarDetailsDlgModel model(problem.model.variables);
    const auto rows = model.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].array, "N");
    EXPECT_EQ(rows[2].array, "Y");
    EXPECT_EQ(rows[2].size, "3,4");
    EXPECT_EQ(VarDetailsDlgModel::Columns()[3].title, "Size");
}

TEST(SeeAllDlgModelTest, EverySelectionShowsOnlyItsOwnVariable) {
    ProblemFixture problem;
    problem.model.domains.AddDoubleDomain("Reals", 0.5, 2.0);
    problem.model.domains.AddSetDomain("Parts", {1, 2, 3});
    problem.model.variables.AddVariable("x", TavWorkbench::CVariable::Type::RealVar, "Reals", 0, "", {});
    problem.model.variables.AddVariable("s", TavWorkbench::CVariable::Type::SetVar, "Parts", 0, "", {});
    problem.model.variables.AddVariable("lost", TavWorkbench::CVariable::Type::IntVar, "Nowhere", 0, "", {});
    problem.model.variables.AddVariable("c", TavWorkbench::CVariable::Type::EnumVar, "Colour", 0, "", {});
    SeeAllDlgModel model(problem.model.domains, problem.model.variables);
    EXPECT_EQ(model.VariableEntries(), (std::vector<std::string>{"q", "flag", "x", "s", "lost", "c"}));

    struct Expect {
        int row;
        std::string type, domain, lower, upper;
        std::vector<std::string> values;
    };
    const std::vector<Expect> walk{
        {0, "Integer", "Digits", "0", "9", {}},
        {1, "Boolean", "TrueFalse", "FALSE", "TRUE", {}},
        {2, "Float", "Reals", "0.500000", "2.000000", {}},
        {3, "Set", "Parts", "", "", {"1", "2", "3"}},
        {1, "Boolean", "TrueFalse", "FALSE", "TRUE", {}},
        {4, "Integer", "Nowhere", "", "", {}},
        {5, "Enumerated", "Colour", "", "", {"red", "green"}},
    };
    for (const Expect& e : walk) {
        model.OnSelect(e.row);
        EXPECT_EQ(model.dataType, e.type) << e.row;
        EXPECT_EQ(model.domainID, e.domain) << e.row;
        EXPECT_EQ(model.lower, e.lower) << e.row;
        EXPECT_EQ(model.upper, e.upper) << e.row;
        EXPECT_EQ(model.values, e.values) << e.row;
    }
}

} // namespace
