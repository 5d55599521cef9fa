// The user's guide as the programs have it built in: every link leads somewhere, no anchor is
// defined twice, every section has a title, and each example shown stands in its file of
// examples/ (which the language's tests read).

#include "help/GuideWindow.hpp"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// The text of a block without tags, as the page shows it.
QString Unescaped(QString html) {
    return html.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(Guide, EveryLinkLeadsToAPageOrSectionOfTheGuide) {
    const TavHelp::GuideIndex& guide = TavHelp::GuideWindow::Guide();
    ASSERT_EQ(guide.StartPage(), "index.html");
    EXPECT_GE(guide.Pages().size(), 8u);
    EXPECT_EQ(guide.BrokenLinks(), std::vector<std::string>{});
    EXPECT_EQ(guide.DuplicateAnchors(), std::vector<std::string>{});
    for (const TavHelp::GuideSection& section : guide.Sections())
        EXPECT_FALSE(section.title.empty()) << section.page << "#" << section.anchor;
}

TEST(Guide, EveryExampleShownStandsInItsFileOfExamples) {
    const QRegularExpression block(QStringLiteral("<pre data-example=\"([^\"]+)\">(.*?)</pre>"),
                                   QRegularExpression::DotMatchesEverythingOption);
    int examples = 0;
    const QDir folder(QStringLiteral(":/guide"));
    for (const QString& name : folder.entryList({QStringLiteral("*.html")})) {
        QFile page(folder.filePath(name));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (auto match = block.globalMatch(html); match.hasNext();) {
            const QRegularExpressionMatch m = match.next();
            const std::string file = m.captured(1).toStdString();
            const std::string text = Unescaped(m.captured(2)).toStdString();
            const std::string source = ReadFile(std::string(TAV_EXAMPLES_DIR) + "/" + file);
            EXPECT_FALSE(source.empty()) << name.toStdString() << " shows the missing example " << file;
            EXPECT_NE(source.find(text), std::string::npos)
                << name.toStdString() << " shows text that " << file << " does not hold:\n"
                << text;
            ++examples;
        }
    }
    EXPECT_GE(examples, 8);
}
