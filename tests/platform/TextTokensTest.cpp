// The checked token reader shared by the byte formats: each fault's kind, position and echo,
// through a reader that throws the fault itself.

#include "platform/TextTokens.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using Platform::TextTokens;
using Kind = TextTokens::Fault::Kind;

namespace {

struct Refusal {
    TextTokens::Fault fault;
};

class Recording : public TextTokens {
public:
    using TextTokens::TextTokens;

protected:
    std::exception_ptr ErrorFor(const Fault& fault) const override {
        return std::make_exception_ptr(Refusal{fault});
    }
};

// The fault that reading `text` with read gives; a Refused fault "none" when nothing failed.
TextTokens::Fault FaultOf(const std::string& text, const std::function<void(TextTokens&)>& read) {
    Recording tokens(text);
    try {
        read(tokens);
    } catch (const Refusal& r) {
        return r.fault;
    }
    return {Kind::Refused, "none", 0, 0, {}, 0};
}

} // namespace

TEST(TextTokens, NumbersAreWholeDecimal32BitIntegers) {
    struct Case {
        const char* token;
        bool number;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"+5", true, 5},
        {"-7", true, -7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"00000000000000000012", true, 12},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999999", false, 0},
        {"-", false, 0},
        {"+", false, 0},
        {"1.5", false, 0},
        {"0x10", false, 0},
        {"1e3", false, 0},
        {"--1", false, 0},
    };
    for (const Case& c : cases) {
        Recording tokens(c.token);
        EXPECT_EQ(tokens.PeekIsNumber(), c.number) << c.token;
        const TextTokens::Fault fault =
            FaultOf(c.token, [&](TextTokens& t) { EXPECT_EQ(t.Number("n"), c.value); });
        EXPECT_EQ(fault.kind == Kind::NotANumber, !c.number) << c.token;
    }
}

TEST(TextTokens, EachFaultNamesItsTokenAndLine) {
    struct Case {
        const char* what;
        std::string text;
        std::function<void(TextTokens&)> read;
        Kind kind;
        std::size_t tokenNumber;
        int line;
        std::string shown;
        long long count;
    };
    const Case cases[] = {
        {"end of an empty text", "", [](TextTokens& t) { t.Word("a name"); }, Kind::EndOfText, 0, 1, "", 0},
        {"end after two lines", "a\nb\n\n",
         [](TextTokens& t) {
             t.Word("x");
             t.Word("y");
             t.Word("z");
         },
         Kind::EndOfText, 0, 2, "", 0},
        {"not a number", "1 two",
         [](TextTokens& t) {
             t.Number("a");
             t.Number("b");
         },
         Kind::NotANumber, 2, 1, "two", 0},
        {"negative count", "x\n-3 a b",
         [](TextTokens& t) {
             t.Word("x");
             t.Count("c");
         },
         Kind::Negative, 2, 2, "-3", -3},
        {"count beyond what is left", "3 a b", [](TextTokens& t) { t.Count("c"); }, Kind::TooMany, 1, 1, "3",
         3},
        {"count of pairs beyond what is left", "2 a 1 b", [](TextTokens& t) { t.Count("c", 2); },
         Kind::TooMany, 1, 1, "2", 2},
        {"count above its limit", "3 a b c", [](TextTokens& t) { t.Count("c", 1, 2); }, Kind::TooMany, 1, 1,
         "3", 3},
        {"huge count", "2147483647 a", [](TextTokens& t) { t.Count("c"); }, Kind::TooMany, 1, 1, "2147483647",
         2147483647},
        {"the caller's refusal", "a b\nc",
         [](TextTokens& t) {
             t.Word("a");
             t.Word("b");
             t.Fail("no b here");
         },
         Kind::Refused, 2, 1, "b", 0},
        {"a refusal past the end", "a", [](TextTokens& t) { t.FailAt(5, "gone"); }, Kind::Refused, 0, 1, "",
         0},
        {"control bytes shown as ?", "\x01\x7f\xff", [](TextTokens& t) { t.Number("n"); }, Kind::NotANumber,
         1, 1, "??\xff", 0},
        {"a long token cut at 40 bytes", std::string(50, 'z'), [](TextTokens& t) { t.Number("n"); },
         Kind::NotANumber, 1, 1, std::string(40, 'z') + "...", 0},
    };
    for (const Case& c : cases) {
        const TextTokens::Fault fault = FaultOf(c.text, c.read);
        EXPECT_EQ(fault.kind, c.kind) << c.what << ": " << fault.what;
        EXPECT_EQ(fault.tokenNumber, c.tokenNumber) << c.what;
        EXPECT_EQ(fault.line, c.line) << c.what;
        EXPECT_EQ(fault.shown, c.shown) << c.what;
        EXPECT_EQ(fault.count, c.count) << c.what;
    }
}

TEST(TextTokens, ACountThatFitsLeavesItsItemsToRead) {
    Recording tokens(" 2\tx 1\r\n y\v2\f");
    EXPECT_EQ(tokens.Size(), 5u);
    EXPECT_EQ(tokens.Count("pairs", 2), 2);
    EXPECT_EQ(tokens.Remaining(), 4u);
    EXPECT_EQ(tokens.Peek(), "x");
    EXPECT_EQ(tokens.Word("name"), "x");
    EXPECT_EQ(tokens.Number("value"), 1);
    EXPECT_EQ(tokens.Word("name"), "y");
    EXPECT_EQ(tokens.LastIndex(), 3u);
    EXPECT_EQ(tokens.Number("value"), 2);
    EXPECT_TRUE(tokens.AtEnd());
    EXPECT_EQ(tokens.Peek(), "");
    EXPECT_FALSE(tokens.PeekIsNumber());
}
