// The input boxes' character filters, as one table of (box, text, caret, character) cases.

#include "workbench/views/KeyFilters.hpp"

#include <gtest/gtest.h>

#include <functional>

using namespace TavWorkbench;

namespace {

struct Case {
    const char* box;
    std::function<bool()> accepts;
    bool expected;
};

} // namespace

TEST(KeyFilters, EachBoxAcceptsItsCharacters) {
    const auto [open, close] = BracketsOf(1);
    const auto [openSet, closeSet] = BracketsOf(0);
    const std::vector<Case> cases = {
        {"name: letter", [] { return NameEditAccepts(U'q'); }, true},
        {"name: underscore", [] { return NameEditAccepts(U'_'); }, true},
        {"name: digit", [] { return NameEditAccepts(U'7'); }, true},
        {"name: backspace", [] { return NameEditAccepts(8); }, true},
        {"name: delete", [] { return NameEditAccepts(127); }, true},
        {"name: blank", [] { return NameEditAccepts(U' '); }, false},
        {"name: comma", [] { return NameEditAccepts(U','); }, false},
        {"name: accented letter", [] { return NameEditAccepts(U'é'); }, false},
        {"special: comma refused", [] { return SpecialEditAccepts(U',', false); }, false},
        {"special: comma allowed", [] { return SpecialEditAccepts(U',', true); }, true},
        {"special: letter", [] { return SpecialEditAccepts(U'a', false); }, true},
        {"integer: digit", [] { return MyEditAccepts(U'4', "12"); }, true},
        {"integer: first minus", [] { return MyEditAccepts(U'-', "12"); }, true},
        {"integer: second minus", [] { return MyEditAccepts(U'-', "-12"); }, false},
        {"integer: second minus elsewhere", [] { return MyEditAccepts(U'-', "1-2"); }, false},
        {"integer: point", [] { return MyEditAccepts(U'.', "1"); }, false},
        {"integer: backspace", [] { return MyEditAccepts(8, "-1"); }, true},
        {"integer: delete character", [] { return MyEditAccepts(127, "1"); }, false},
        {"real: digit", [] { return FloaterEditAccepts(U'3', "1.", 2); }, true},
        {"real: first point", [] { return FloaterEditAccepts(U'.', "12", 2); }, true},
        {"real: second point", [] { return FloaterEditAccepts(U'.', "1.2", 3); }, false},
        {"real: minus at start", [] { return FloaterEditAccepts(U'-', "12", 0); }, true},
        {"real: minus later", [] { return FloaterEditAccepts(U'-', "12", 1); }, false},
        {"real: second minus", [] { return FloaterEditAccepts(U'-', "-12", 0); }, false},
        {"real: digit before minus", [] { return FloaterEditAccepts(U'5', "-12", 0); }, false},
        {"real: backspace before minus", [] { return FloaterEditAccepts(8, "-12", 0); }, true},
        {"real: digit after minus", [] { return FloaterEditAccepts(U'5', "-12", 1); }, true},
        {"real: letter", [] { return FloaterEditAccepts(U'e', "1", 1); }, false},
        {"list: bracket", [=] { return ListSetEditAccepts(U'[', open, close); }, true},
        {"list: closing bracket", [=] { return ListSetEditAccepts(U']', open, close); }, true},
        {"list: brace", [=] { return ListSetEditAccepts(U'{', open, close); }, false},
        {"list: comma", [=] { return ListSetEditAccepts(U',', open, close); }, true},
        {"list: blank", [=] { return ListSetEditAccepts(U' ', open, close); }, false},
        {"set: brace", [=] { return ListSetEditAccepts(U'}', openSet, closeSet); }, true},
        {"set: bracket", [=] { return ListSetEditAccepts(U'[', openSet, closeSet); }, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.accepts(), c.expected) << c.box;
}

TEST(KeyFilters, DimensionBoxTurnsSeparatorsIntoCommas) {
    EXPECT_EQ(CommaIntEditCharacter(U'3'), U'3');
    EXPECT_EQ(CommaIntEditCharacter(U' '), U',');
    EXPECT_EQ(CommaIntEditCharacter(U';'), U',');
    EXPECT_EQ(CommaIntEditCharacter(U'x'), U',');
    // Editing keys keep their effect: backspace deletes, the clipboard keys work.
    EXPECT_EQ(CommaIntEditCharacter(8), char32_t(8));
    EXPECT_EQ(CommaIntEditCharacter(22), char32_t(22));
    EXPECT_EQ(CommaIntEditCharacter(127), char32_t(127));
}

TEST(KeyFilters, AnIdBoxNamesWhatItLeavesOut) {
    const std::string rule =
        " cannot be part of an ID and was left out: an ID holds letters, digits and _ only";
    EXPECT_EQ(NameRefusalNote(U' '), "A space" + rule);
    EXPECT_EQ(NameRefusalNote(U'-'), "\"-\"" + rule);
    EXPECT_EQ(NameRefusalNote(U'é'), "That character" + rule);
    EXPECT_EQ(NameRefusalNote(U';', true), "\";\"" + rule + " (a comma separates IDs)");
}
