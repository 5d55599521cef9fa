// The guide's index over small pages written here: headings and anchors, the reading order,
// the section a chain of windows lands on, and the links that lead nowhere.

#include "help/GuideIndex.hpp"

#include <gtest/gtest.h>

using TavHelp::GuideIndex;

namespace {

GuideIndex SmallGuide() {
    return GuideIndex({
        {"b.html",
         "<h1 id=\"b\">Bee</h1><p><a href=\"a.html#a2\">back</a> <a href=\"http://x.org/y\">out</a></p>"},
        {"index.html",
         "<h1 id=\"start\">Guide</h1><ul><li><a href=\"a.html\">A</a></li><li><a href=\"b.html\">B"
         "</a></li></ul><p><a href=\"#start\">top</a></p>"},
        {"a.html", "<h1 id=\"a\">A &amp; <i>more</i></h1><h2 id=\"a2\">Second\n  part</h2><h3 id=\"a3\">Third"
                   "</h3><p id=\"para\">x</p><a name=\"old\"></a><h2>No anchor</h2>"
                   "<a href=\"b.html#missing\">bad</a> <a href=\"c.html\">worse</a> <a href=\"#a3\">ok</a>"},
        {"lost.html", "<h1 id=\"lost\">Lost</h1><h2 id=\"a2\">Twice</h2>"},
    });
}

} // namespace

TEST(GuideIndex, PagesFollowTheStartPagesLinksAndSectionsTheirHeadings) {
    const GuideIndex guide = SmallGuide();
    EXPECT_EQ(guide.StartPage(), "index.html");
    EXPECT_EQ(guide.Pages(), (std::vector<std::string>{"index.html", "a.html", "b.html", "lost.html"}));
    std::vector<std::string> lines;
    for (const TavHelp::GuideSection& s : guide.Sections())
        lines.push_back(s.page + "#" + s.anchor + " " + std::to_string(s.level) + " " + s.title);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"index.html#start 1 Guide", "a.html#a 1 A & more",
                                        "a.html#a2 2 Second part", "a.html#a3 3 Third", "b.html#b 1 Bee",
                                        "lost.html#lost 1 Lost", "lost.html#a2 2 Twice"}));
    EXPECT_EQ(guide.TitleOf("a3"), "Third");
    EXPECT_EQ(guide.TitleOf("para"), "");
}

TEST(GuideIndex, AnAnchorIsFoundByIdOrNameAndTheInnermostKnownSectionWins) {
    const GuideIndex guide = SmallGuide();
    EXPECT_EQ(guide.PageOf("para"), "a.html");
    EXPECT_EQ(guide.PageOf("old"), "a.html");
    EXPECT_EQ(guide.PageOf("nowhere"), std::nullopt);
    const std::vector<std::string> chain = {"renamed", "b", "start"};
    EXPECT_EQ(guide.FirstKnown(chain), "b");
    const std::vector<std::string> unknown = {"renamed", "gone"};
    EXPECT_EQ(guide.FirstKnown(unknown), std::nullopt);
    EXPECT_EQ(guide.FirstKnown({}), std::nullopt);
}

TEST(GuideIndex, BrokenLinksAndAnchorsDefinedTwiceAreReported) {
    const GuideIndex guide = SmallGuide();
    EXPECT_EQ(guide.BrokenLinks(), (std::vector<std::string>{"a.html: b.html#missing", "a.html: c.html"}));
    EXPECT_EQ(guide.DuplicateAnchors(), (std::vector<std::string>{"a2"}));
}

TEST(GuideIndex, AGuideWithoutAStartPageStartsWithItsFirstPage) {
    const GuideIndex guide({{"z.html", "<h1 id=\"z\">Z</h1>"}, {"m.html", "<h2 id=\"m\">M</h2>"}});
    EXPECT_EQ(guide.StartPage(), "m.html");
    EXPECT_EQ(guide.Pages(), (std::vector<std::string>{"m.html", "z.html"}));
    EXPECT_EQ(GuideIndex({}).StartPage(), "");
}
