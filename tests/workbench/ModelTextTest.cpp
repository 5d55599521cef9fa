// The model objects' texts: the values the views show, the modelling-language lines, the
// whole-problem and check texts, the lookups by id and the template table.

#include "workbench/model/CAvConArray.hpp"
#include "workbench/model/CBoolDomain.hpp"
#include "workbench/model/CDoubleDomain.hpp"
#include "workbench/model/CEnumDomain.hpp"
#include "workbench/model/CIntDomain.hpp"
#include "workbench/model/CKeyWords.hpp"
#include "workbench/model/CSetDomain.hpp"
#include "workbench/model/CSolutionArray.hpp"
#include "workbench/model/ModelHelpers.hpp"
#include "workbench/model/ProblemText.hpp"

#include "language/RawParser.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/raw/RawVar.hpp"

#include <functional>

#include <gtest/gtest.h>

using namespace TavWorkbench;

namespace {

struct IntDomainCase {
    const char* what;
    std::string listConst, minConst, maxConst;
    int lower, upper;
    std::vector<int> values;
    int minOffset, maxOffset;
    std::string modelText;
    std::string valueText;
};

} // namespace

TEST(DomainText, IntegerDomainDefinitions) {
    const IntDomainCase cases[] = {
        {"numeric bounds", "", "", "", 0, 9, {}, 0, 0, "[0,9];", "[0,9];"},
        {"value list ignores bounds", "", "", "", 0, 9, {1, 5, 9}, 0, 0, "{1,5,9};", "{1,5,9};"},
        {"list constant wins, no semicolon", "L", "", "", 0, 9, {1, 5}, 0, 0, "L", "{1,5};"},
        {"constant upper bound minus one", "", "", "N", 1, 0, {}, 0, -1, "[1,N-1];", "[1,0];"},
        {"offset 0 adds nothing", "", "M", "N", 0, 0, {}, 0, 0, "[M,N];", "[0,0];"},
        {"offset -2", "", "", "N", 0, 0, {}, 0, -2, "[0,N-2];", "[0,0];"},
        {"positive offsets keep their sign", "", "M", "N", 0, 0, {}, 5, 1, "[M+5,N+1];", "[0,0];"},
        {"negative numbers", "", "", "", -3, -1, {}, 0, 0, "[-3,-1];", "[-3,-1];"},
    };
    for (const auto& c : cases) {
        CIntDomain d;
        d.Set("D", c.listConst, c.minConst, c.maxConst, c.lower, c.upper, c.values, c.minOffset, c.maxOffset);
        EXPECT_EQ(d.GetModelText(), c.modelText) << c.what;
        EXPECT_EQ(d.GetValueText(), c.valueText) << c.what;
        EXPECT_EQ(DomainLine(d), "IntDom D=" + c.modelText) << c.what;
    }
}

TEST(DomainText, EveryKindsProblemTextParsesToItsValues) {
    // Each kind as the dialogs and templates build it, in a document with a variable over it;
    // the document's problem text is parsed and the variable's values are read back.
    struct Case {
        const char* what;
        std::function<void(TavModel&)> build;
        CVariable::Type variableType;
        std::vector<std::string> values; // of the variable's domain, in the raw problem's order
    };
    const auto intDomain = [](std::string list, std::string minC, std::string maxC, int lo, int hi,
                              std::vector<int> values, int minOff, int maxOff) {
        return [=](TavModel& m) {
            m.domains.AddIntDomain("D", list, minC, maxC, lo, hi, values, minOff, maxOff);
        };
    };
    const Case cases[] = {
        {"integer bounds",
         intDomain("", "", "", -2, 1, {}, 0, 0),
         CVariable::Type::IntVar,
         {"-2", "-1", "0", "1"}},
        {"bounds from constants with offsets",
         intDomain("", "N", "N", 0, 0, {}, -2, 1),
         CVariable::Type::IntVar,
         {"3", "4", "5", "6"}},
        {"a positive lower offset", intDomain("", "N", "", 0, 7, {}, 2, 0), CVariable::Type::IntVar, {"7"}},
        {"a value list",
         intDomain("", "", "", 0, 9, {9, -1, 5}, 0, 0),
         CVariable::Type::IntVar,
         {"9", "-1", "5"}},
        {"a list constant",
         intDomain("L", "", "", 0, 9, {}, 0, 0),
         CVariable::Type::IntVar,
         {"3", "-1", "8"}},
        {"a list constant wins over values",
         intDomain("l", "", "", 0, 9, {1}, 0, 0),
         CVariable::Type::IntVar,
         {"3", "-1", "8"}},
        {"a set constant", intDomain("S", "", "", 0, 9, {}, 0, 0), CVariable::Type::IntVar, {"2", "4"}},
        {"an enumeration",
         [](TavModel& m) {
             m.domains.AddEnumDomain("D", {"red", "dark green"});
         },
         CVariable::Type::EnumVar,
         {"red", "dark green"}},
        {"a set domain",
         [](TavModel& m) {
             m.domains.AddSetDomain("D", {1, 3});
         },
         CVariable::Type::SetVar,
         {"1", "3"}},
        {"Boolean: predefined, not written",
         [](TavModel& m) { m.domains.AddBoolDomain("D"); },
         CVariable::Type::BoolVar,
         {}},
        {"float: predefined, not written",
         [](TavModel& m) { m.domains.AddDoubleDomain("D", 0.0, 2.5); },
         CVariable::Type::RealVar,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TavModel model;
        model.constants.Add(std::make_unique<CConstant>("N", 5));
        model.constants.Add(std::make_unique<CConstant>("L", "3,-1,8", CConstant::Type::List));
        model.constants.Add(std::make_unique<CConstant>("S", "2,4", CConstant::Type::Set));
        c.build(model);
        model.variables.AddVariable("v", c.variableType, "D", 0, "", {});
        const std::string text = ProblemTextOf(model);
        TavLanguage::RawCSP problem;
        TavLanguage::ParserInfo info;
        const TavLanguage::ParserErr err = TavLanguage::ParseCSPText(text, &info, &problem);
        ASSERT_TRUE(err.IsOk()) << err.Message() << text;
        const auto& variables =
            c.variableType == CVariable::Type::RealVar ? problem.GetRealVariables() : problem.GetVariables();
        ASSERT_EQ(variables.size(), 1u) << text;
        const auto& domain = variables[0]->GetDomain();
        std::vector<std::string> values;
        if (domain) {
            const auto& col = domain->GetValues();
            for (int i = 0; i < col->GetSize(); ++i) {
                const auto value = col->GetElement(i);
                values.push_back(value->IsStr() ? value->GetStr() : std::to_string(value->GetInt()));
            }
        }
        EXPECT_EQ(values, c.values) << text;
    }
    // What the language cannot read as a domain is named by the parse, never a syntax error.
    TavModel model;
    model.constants.Add(std::make_unique<CConstant>("C", "red", CConstant::Type::StringList));
    model.domains.AddIntDomain("D", "C", "", "", 0, 9, {}, 0, 0);
    model.domains.AddIntDomain("E", "Gone", "", "", 0, 9, {}, 0, 0);
    EXPECT_EQ(DomainLine(*model.domains[0], model.constants), "IntDom D={C};");
    EXPECT_EQ(DomainLine(*model.domains[1], model.constants), "IntDom E={Gone};");
    TavLanguage::RawCSP problem;
    TavLanguage::ParserInfo info;
    EXPECT_EQ(TavLanguage::ParseCSPText(ProblemTextOf(model), &info, &problem).GetCode(), 18);
}

TEST(DomainText, EveryKindShowsItsValuesAndLine) {
    CBoolDomain b("TrueFalse");
    EXPECT_TRUE(b.IsPredefined());
    EXPECT_EQ(b.GetValueText(), "[0,1]");
    EXPECT_EQ(b.GetType(), CDomain::Type::Boolean);

    CEnumDomain e;
    e.Set("Colour", {"red", "green"});
    std::vector<std::string> strings = {"kept"};
    e.GetValueStrings(strings); // appends, does not empty
    EXPECT_EQ(strings, (std::vector<std::string>{"kept", "red", "green"}));
    EXPECT_EQ(DomainLine(e), "EnumDom Colour={\"red\",\"green\"} ;");
    e.Set("Empty", {});
    EXPECT_EQ(DomainLine(e), "EnumDom Empty=");

    CSetDomain s;
    s.SetRange(1, 10, 3);
    EXPECT_EQ(s.GetValues(), (std::vector<int>{1, 4, 7, 10}));
    s.SetRange(5, 1, 1);
    EXPECT_TRUE(s.GetValues().empty());
    EXPECT_EQ(DomainLine(CSetDomain("S")), "SetDom S={} ;");
    s.Set("S", {2, 3});
    EXPECT_EQ(DomainLine(s), "SetDom S={2,3} ;");
    EXPECT_THROW(s.SetRange(1, 5, 0), Platform::InternalError);
    s.SetRange(2147483640, 2147483647, 5); // no wrap-around at the top of int
    EXPECT_EQ(s.GetValues(), (std::vector<int>{2147483640, 2147483645}));

    CDoubleDomain f;
    f.Set("RealDomain", 0.0, 1.5);
    EXPECT_TRUE(f.IsPredefined());
    EXPECT_EQ(f.GetValueText(), "");

    struct Kind {
        CDomain::Type type;
        const char* name;
        const char* keyword;
    };
    // The codes just outside the kinds, as a file may hold them, have no name or keyword.
    const Kind kinds[] = {
        {static_cast<CDomain::Type>(-1), "", ""},
        {CDomain::Type::Boolean, "Boolean", "BoolDom"},
        {CDomain::Type::Enumerated, "Enumerated", "EnumDom"},
        {CDomain::Type::Integer, "Integer", "IntDom"},
        {CDomain::Type::Float, "Float", "FltDom"},
        {CDomain::Type::Set, "Set", "SetDom"},
        {static_cast<CDomain::Type>(5), "", ""},
    };
    for (const Kind& kind : kinds) {
        EXPECT_EQ(CDomain::GetTypeName(kind.type), kind.name);
        EXPECT_EQ(CDomain::GetTypeKeyword(kind.type), kind.keyword);
    }
}

TEST(DomainArray, LookupsIgnoreCaseAndPredefinedDomainsNeedNoSection) {
    CDomainArray domains;
    EXPECT_TRUE(domains.AllPredefined());
    domains.AddBoolDomain("TrueFalse");
    domains.AddDoubleDomain("RealDomain", 0.0, 1.0);
    EXPECT_TRUE(domains.AllPredefined());
    domains.AddIntDomain("abc", "", "", "", 0, 3, {}, 0, 0);
    EXPECT_FALSE(domains.AllPredefined());
    EXPECT_EQ(domains.FindDomain("ABC"), 2);
    EXPECT_EQ(domains.FindDomain("none"), -1);
    EXPECT_TRUE(domains.IsDomainID("truefalse"));
    EXPECT_FALSE(domains.IsIDUsedElsewhere("ABC", 2));
    EXPECT_TRUE(domains.IsIDUsedElsewhere("ABC", 0));
    EXPECT_TRUE(domains.IsIDUsedElsewhere("ABC", -1));

    CDomainArray other;
    other.AddSetDomain("s", {1});
    domains.TakeFrom(other);
    EXPECT_EQ(domains.GetSize(), 1);
    EXPECT_EQ(other.GetSize(), 0);
    EXPECT_EQ(domains[0]->GetID(), "s");
}

TEST(ConstantText, DefinitionLines) {
    struct Case {
        CConstant constant;
        std::string line;
    };
    const Case cases[] = {
        {CConstant("N", 5), "N := 5;"},
        {CConstant("S", "1,2", CConstant::Type::Set), "S := {1,2};"},
        {CConstant("L", "1,2", CConstant::Type::List), "L := [1,2];"},
        {CConstant("C", "red,green", CConstant::Type::StringList), "C := [\"red\",\"green\"];"},
        {CConstant("C", "red,green,", CConstant::Type::StringList), "C := [\"red\",\"green\"];"},
        {CConstant("C", ",red,,dark blue", CConstant::Type::StringList), "C := [\"red\",\"dark blue\"];"},
        {CConstant("C", "", CConstant::Type::StringList), "C := [];"},
        {CConstant("X", "7", static_cast<CConstant::Type>(9)), "X := 7;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.constant.GetModelText(), c.line);

    // An integer constant made or set from its text keeps its number.
    EXPECT_EQ(CConstant("N", " 12abc", CConstant::Type::Integer).GetIntValue(), 12);
    EXPECT_EQ(CConstant("S", "12", CConstant::Type::Set).GetIntValue(), 0);
    CConstant n;
    n.Set("N", "-4", CConstant::Type::Integer);
    EXPECT_EQ(n.GetIntValue(), -4);
    n.Set("N", "x", CConstant::Type::Integer);
    EXPECT_EQ(n.GetIntValue(), 0);
    EXPECT_EQ(CConstant("N", "99999999999", CConstant::Type::Integer).GetIntValue(), 2147483647);

    CConstArray constants;
    constants.Add(std::make_unique<CConstant>("abc", 1));
    EXPECT_EQ(constants.FindConstant("ABC"), constants[0]);
    EXPECT_EQ(constants.FindConstant("x"), nullptr);
    EXPECT_FALSE(constants.IsIDUsedElsewhere("Abc", 0));
    EXPECT_TRUE(constants.IsIDUsedElsewhere("Abc", -1));
}

TEST(VariableText, DeclarationLines) {
    struct Case {
        CVariable variable;
        std::string line;
    };
    const Case cases[] = {
        {CVariable("q", CVariable::Type::IntVar, "D", 1, "Q", {8}), "IntVar q[Q]::D;"},
        {CVariable("a", CVariable::Type::IntVar, "D", 1, "", {3, 4}), "IntVar a[3][4]::D;"},
        {CVariable("x", CVariable::Type::IntVar, "D", 0, "", {3}), "IntVar x::D;"},
        {CVariable("b", CVariable::Type::BoolVar, "TrueFalse", 0, "", {}), "BoolVar b;"},
        {CVariable("r", CVariable::Type::RealVar, "RealDomain", 1, "", {2}), "RealVar r[2];"},
        {CVariable("s", CVariable::Type::SetVar, "S", 0, "", {}), "SetVar s::S;"},
        {CVariable("e", CVariable::Type::EnumVar, "Colour", 0, "", {}), "EnumVar e::Colour;"},
        {CVariable("lonely"), " lonely::;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.variable.GetModelText(), c.line);
    EXPECT_EQ(CVariable("a", CVariable::Type::IntVar, "D", 1, "", {3, 4}).GetDimensionText(), "3,4");
    EXPECT_EQ(CVariable("lonely").GetType(), CVariable::Type::None);

    const CVariable model("a", CVariable::Type::IntVar, "D", 1, "N", {3, 4});
    const CVariable copy("b", model);
    EXPECT_EQ(copy.GetID(), "b");
    EXPECT_EQ(copy.GetDomainID(), "D");
    EXPECT_EQ(copy.GetSizeID(), "N");
    EXPECT_TRUE(copy.IsArray());
    EXPECT_TRUE(copy.GetDimensions().empty());

    CVarArray variables;
    variables.AddVariable("x", CVariable::Type::IntVar, "D", 0, "ignored", {5});
    variables.AddVariable("arr", CVariable::Type::IntVar, "d", 7, "", {2, 2});
    EXPECT_FALSE(variables[0]->IsArray());
    EXPECT_TRUE(variables[0]->GetDimensions().empty());
    EXPECT_EQ(variables[1]->GetArrayFlag(), 1);
    std::vector<std::string> ids = {"kept"};
    EXPECT_TRUE(variables.GetVariablesOfDomain("D", ids));
    EXPECT_EQ(ids, (std::vector<std::string>{"kept", "x", "arr"}));
    ids.clear();
    EXPECT_FALSE(variables.GetVariablesOfDomain("other", ids));
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(variables.FindVariable("ARR"), 1);
    EXPECT_TRUE(variables.IsVariableID("X"));
    EXPECT_FALSE(variables.IsIDUsedElsewhere("X", 0));
}

TEST(SolutionStore, ColumnsAndValues) {
    CSolutionArray store;
    store.GetVarSolution(0, "x")->AddValue("1");
    store.GetVarSolution(1, "y")->AddValue("2");
    EXPECT_EQ(store.GetVarSolution(0, "ignored")->GetID(), "x"); // an existing column keeps its name
    store.GetVarSolution(0, "x")->AddValue("3");
    EXPECT_EQ(store.GetValue("X", 1), "3");
    EXPECT_EQ(store.GetValue("y", 1), ""); // beyond the values kept
    EXPECT_EQ(store.GetValue("y", -1), "");
    EXPECT_EQ(store.GetValue("z", 0), "");
    store.Clear();
    EXPECT_EQ(store.GetSize(), 0);
}

TEST(Constraints, ReferencedIdsAndTemplates) {
    CConArray constraints;
    auto c = std::make_unique<CConstraint>("c1", "AllDifferent(Queens);");
    c->SetReferencedIDs({"Queens"});
    constraints.Add(std::move(c));
    EXPECT_TRUE(constraints.IsIDInUse("queens"));
    EXPECT_TRUE(constraints.IsIDInUse("QUEENS"));
    EXPECT_FALSE(constraints.IsIDInUse("rows"));
    EXPECT_EQ(constraints.FindConstraint("C1"), 0);
    CConstraint edited = *constraints[0];
    edited.Set("c2", "x < y;");
    EXPECT_TRUE(edited.GetReferencedIDs().empty());

    const CAvConArray templates;
    ASSERT_EQ(templates.GetSize(), 19);
    EXPECT_EQ(templates[0]->GetName(), "Equal(A,B)");
    EXPECT_EQ(templates[0]->GetTemplate(), "\xAB"
                                           "Exp\xBB    \xAB=\xBB   \xAB"
                                           "Exp\xBB ;");
    EXPECT_EQ(templates[6]->GetTemplate(),
              "Element(\xABInteger Variable\xBB , \xAB[Value List]\xBB ,  \xABVariable\xBB) ;");
    EXPECT_EQ(templates[8]->GetHelpID(), 1159);
    EXPECT_EQ(templates[9]->GetHelpID(), 1158);
    EXPECT_EQ(templates[18]->GetTemplate(), "#\xABSetVariable\xBB \xAB"
                                            "Comparison Symbol\xBB \xABInteger\xBB ;");
    int comparisons = 0;
    int sets = 0;
    for (const auto& t : templates) {
        comparisons += t->GetCategory() == CAvailCon::Category::Comparison;
        sets += t->GetCategory() == CAvailCon::Category::SetConstraint;
        EXPECT_TRUE(t->GetSecondText().empty());
    }
    EXPECT_EQ(comparisons, 6);
    EXPECT_EQ(sets, 6);
    EXPECT_EQ(CAvailCon::GetHelpText(1158).substr(0, 9), "Ensures t");
    EXPECT_EQ(CAvailCon::GetHelpText(-1), "");
}

TEST(Helpers, KeywordsAndIdentifierCleaning) {
    const CKeyWords words;
    EXPECT_EQ(words.GetCount(), 37);
    EXPECT_TRUE(words.IsKeyWord("ForAll"));
    EXPECT_TRUE(words.IsKeyWord("data"));
    EXPECT_FALSE(words.IsKeyWord("soft"));
    std::string id = "my var-1\xE9_";
    EXPECT_TRUE(CleanIdentifier(id));
    EXPECT_EQ(id, "myvar1_");
    EXPECT_FALSE(CleanIdentifier(id));
}

TEST(ProblemText, WholeProblemSectionsAndFrame) {
    TavModel model;
    model.domains.AddBoolDomain("TrueFalse");
    model.domains.AddDoubleDomain("RealDomain", 0.0, 1.0);
    model.variables.AddVariable("V", CVariable::Type::BoolVar, "TrueFalse", 0, "", {});
    EXPECT_EQ(ProblemTextOf(model),
              "Problem:test\r\n{\r\nVariables\r\n{\r\nBoolVar V;\r\n}\r\nConstraints\r\n{\r\n\r\n}\r\n\r\n}");

    model.constants.Add(std::make_unique<CConstant>("N", 8));
    model.domains.AddIntDomain("Rows", "", "", "N", 0, 0, {}, 0, -1);
    model.constraints.Add(std::make_unique<CConstraint>("c", "V = 1;"));
    model.optimisation = {"Minimise(V);"};
    EXPECT_EQ(ProblemTextOf(model), "Problem:test\r\n{\r\nData\r\n{\r\nN := 8;\r\n}\r\n"
                                    "Domains\r\n{\r\nIntDom Rows=[0,N-1];\r\n\r\n}\r\n"
                                    "Variables\r\n{\r\nBoolVar V;\r\n}\r\n"
                                    "Constraints\r\n{\r\nV = 1;\r\n\r\n}\r\n"
                                    "Optimisation\r\n{\r\nMinimise(V);\r\n}\r\n\r\n}");
}

TEST(ProblemText, CheckTextCountsTheLinesBeforeTheConstraints) {
    CConstArray constants;
    constants.Add(std::make_unique<CConstant>("N", 3));
    CDomainArray domains;
    domains.AddBoolDomain("TrueFalse");
    CVarArray variables;
    variables.AddVariable("a", CVariable::Type::BoolVar, "TrueFalse", 0, "", {});
    variables.AddVariable("b", CVariable::Type::BoolVar, "TrueFalse", 0, "", {});
    CConArray constraints;
    int lines = -1;
    const std::string text = BuildProblemText(constants, domains, variables, constraints, &lines);
    EXPECT_EQ(lines, 11);
    EXPECT_EQ(text, "Problem:test\r\n{\r\nData\r\n{\r\nN := 3;\r\n}\r\nVariables\r\n{\r\nBoolVar a;\r\n"
                    "BoolVar b;\r\n}\r\nConstraints\r\n{\r\n\r\n}\r\n}");
    EXPECT_EQ(BuildProblemText(constants, domains, variables, constraints, nullptr), text);
}
