// The identifier, variable, range and list checks with their exact messages.

#include "RecordingMessages.hpp"

#include "workbench/Validation.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;

TEST(Validation, IdentifierSyntax) {
    struct Case {
        const char* id;
        const char* message; // null: accepted
    };
    const Case cases[] = {
        {"x1_", nullptr},
        {"", "An ID is required"},
        {"1x", "ID must start with a letter"},
        {"_x", "ID must start with a letter"},
        {"a-b", "ID can only contain letters, numbers and _"},
        {"caf\xC3\xA9", "ID can only contain letters, numbers and _"},
        {"\xC3x", "ID must start with a letter"},
    };
    for (const auto& c : cases) {
        RecordingMessages messages;
        EXPECT_EQ(ValidateIdSyntax(c.id, messages), c.message == nullptr) << c.id;
        EXPECT_EQ(messages.Shown(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.id;
    }
}

TEST(Validation, IdentifierClashesInTheirOrder) {
    const CKeyWords keyWords;
    CDomainArray domains;
    domains.AddIntDomain("Dom1", "", "", "", 0, 1, {}, 0, 0);
    CVarArray variables;
    for (const char* id : {"a", "b", "c", "MyVar"})
        variables.AddVariable(id, CVariable::Type::IntVar, "Dom1", 0, "", {});
    CConstArray constants;
    constants.Add(std::make_unique<CConstant>("N", 3));
    CConArray constraints;
    constraints.Add(std::make_unique<CConstraint>("c1", "a <> b;"));
    struct Case {
        const char* id;
        ElementKind kind;
        int own;
        const char* message;
    };
    const Case cases[] = {
        {"ForAll", ElementKind::Domain, -1, "The id is in use as a Keyword, Please Change"},
        {"dom1", ElementKind::Variable, -1, "The id is already in use for a Domain, Please Change"},
        {"myvar", ElementKind::Domain, -1, "The id is already in use for a Variable, Please Change"},
        {"MyVar", ElementKind::Variable, 3, nullptr},
        {"MyVar", ElementKind::Variable, 2, "The id is already in use for a Variable, Please Change"},
        {"MyVar", ElementKind::Domain, 3, "The id is already in use for a Variable, Please Change"},
        {"n", ElementKind::Constraint, -1, "The id is already in use for a Constant, Please Change"},
        {"C1", ElementKind::Constant, -1, "The id is already in use for a Constraint, Please Change"},
        {"C1", ElementKind::Constraint, 0, nullptr},
        {"fresh", ElementKind::Domain, -1, nullptr},
    };
    for (const auto& c : cases) {
        RecordingMessages messages;
        EXPECT_EQ(ValidateIdentifier(c.id, keyWords, domains, variables, constraints, constants, c.kind,
                                     c.own, messages),
                  c.message == nullptr)
            << c.id;
        EXPECT_EQ(messages.Shown(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.id;
    }
}

TEST(Validation, VariablesRangesAndLists) {
    RecordingMessages messages;
    CDomainArray domains;
    domains.AddIntDomain("D", "", "", "", 0, 1, {}, 0, 0);
    EXPECT_TRUE(ValidateVariable("d", domains, 0, false, messages));
    EXPECT_FALSE(ValidateVariable("E", domains, 3, true, messages));
    EXPECT_FALSE(ValidateVariable("D", domains, 0, true, messages));
    EXPECT_TRUE(ValidateVariable("D", domains, 1, true, messages));
    EXPECT_FALSE(ValidateBooleanVariable(domains, 0, true, messages));
    EXPECT_TRUE(domains.IsDomainID("TrueFalse")) << "added before the size check, and kept";
    EXPECT_TRUE(ValidateBooleanVariable(domains, 0, false, messages));
    EXPECT_EQ(domains.GetSize(), 2);
    EXPECT_EQ(messages.Shown(), (std::vector<std::string>{"No Domain attached to Variable",
                                                          "Arrays must have at least 1 element",
                                                          "Arrays must have at least 1 element"}));

    messages.Clear();
    CConstArray constants;
    constants.Add(std::make_unique<CConstant>("Lo", 4));
    constants.Add(std::make_unique<CConstant>("S", "1,2", CConstant::Type::Set));
    constants.Add(std::make_unique<CConstant>("Empty", "[]", CConstant::Type::List));
    constants.Add(std::make_unique<CConstant>("L", "1,2", CConstant::Type::List));
    EXPECT_TRUE(ValidateRangeConstants(5, 5, constants, "", "", messages));
    EXPECT_FALSE(ValidateRangeConstants(6, 5, constants, "", "", messages));
    EXPECT_TRUE(ValidateRangeConstants(100, 4, constants, "lo", "", messages));
    EXPECT_FALSE(ValidateRangeConstants(0, 3, constants, "Lo", "", messages));
    EXPECT_FALSE(ValidateRangeConstants(0, 3, constants, "X", "", messages));
    EXPECT_FALSE(ValidateRangeConstants(0, 3, constants, "", "X", messages));
    EXPECT_EQ(messages.Shown(),
              (std::vector<std::string>{"Minimum is greater than maximum", "Minimum is greater than maximum",
                                        "Minimum Constant not found", "Maximum Constant not found"}));

    messages.Clear();
    EXPECT_FALSE(ValidateListConstant(constants, {}, "", messages));
    EXPECT_TRUE(ValidateListConstant(constants, {1}, "", messages));
    EXPECT_FALSE(ValidateListConstant(constants, {}, "none", messages));
    EXPECT_FALSE(ValidateListConstant(constants, {}, "S", messages));
    EXPECT_FALSE(ValidateListConstant(constants, {}, "Empty", messages));
    EXPECT_TRUE(ValidateListConstant(constants, {}, "l", messages));
    EXPECT_EQ(messages.Shown(),
              (std::vector<std::string>{"Supplied Value Array is Empty", "Can't find specified Constant",
                                        "Not List Type Constant",
                                        "The List Constant contains no suitable values"}));
}

TEST(Validation, IntegerLists) {
    std::vector<int> values;
    EXPECT_TRUE(ParseIntegerList(values, "1, 2,,3 "));
    EXPECT_EQ(values, (std::vector<int>{1, 2, 3}));
    values.clear();
    EXPECT_TRUE(ParseIntegerList(values, ""));
    EXPECT_TRUE(values.empty());
    EXPECT_FALSE(ParseIntegerList(values, "4 5;6"));
    EXPECT_EQ(values, (std::vector<int>{4})) << "numbers read before stay";
    values.clear();
    for (const char* bad : {"-1", "+1", "[1]", "1\t2", "x", "99999999999"})
        EXPECT_FALSE(ParseIntegerList(values, bad)) << bad;
    values.clear();
    EXPECT_TRUE(ParseIntegerList(values, "2147483647"));
    EXPECT_EQ(values, (std::vector<int>{2147483647}));
}
