// The help window over the built-in guide, offscreen: it opens at a section or at the start,
// its contents list every section and follows the page shown, and Back, Forward and Contents
// retrace the sections read.

#include "help/GuideWindow.hpp"

#include <QDialog>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <memory>

using TavHelp::GuideWindow;

namespace {

std::string Shown(const GuideWindow& window) {
    return window.CurrentPage() + "#" + window.CurrentAnchor();
}

QToolButton* Button(GuideWindow& window, const char* name) {
    return window.findChild<QToolButton*>(QString::fromLatin1(name));
}

} // namespace

TEST(GuideWindow, OpensAtASectionOrAtTheStartAndListsEverySection) {
    GuideWindow window;
    window.ShowSection("melvane");
    EXPECT_EQ(Shown(window), "external.html#melvane");
    EXPECT_TRUE(window.Browser()->toPlainText().contains(QStringLiteral("Melvane")));
    window.ShowSection("no-such-section");
    EXPECT_EQ(Shown(window), "index.html#");
    window.ShowSection({});
    EXPECT_EQ(Shown(window), "index.html#");

    int items = 0;
    for (QTreeWidgetItemIterator it(window.Contents()); *it != nullptr; ++it)
        ++items;
    EXPECT_EQ(items, static_cast<int>(GuideWindow::Guide().Sections().size()));
    EXPECT_EQ(window.Contents()->topLevelItemCount(), static_cast<int>(GuideWindow::Guide().Pages().size()));
}

TEST(GuideWindow, TheContentsLeadToASectionAndFollowThePageShown) {
    GuideWindow window;
    window.show();
    QTreeWidgetItem* target = nullptr;
    for (QTreeWidgetItemIterator it(window.Contents()); *it != nullptr; ++it)
        if ((*it)->text(0) == QStringLiteral("Guided local search (GLS)")) target = *it;
    ASSERT_NE(target, nullptr);
    window.Contents()->scrollToItem(target);
    QTest::mouseClick(window.Contents()->viewport(), Qt::LeftButton, {},
                      window.Contents()->visualItemRect(target).center());
    EXPECT_EQ(Shown(window), "solvers.html#gls-solver");

    window.ShowSection("template-queens");
    ASSERT_NE(window.Contents()->currentItem(), nullptr);
    EXPECT_EQ(window.Contents()->currentItem()->text(0), QStringLiteral("N Queens"));
}

TEST(GuideWindow, BackForwardAndContentsRetraceTheSectionsRead) {
    GuideWindow window;
    window.show();
    QToolButton* back = Button(window, "back");
    QToolButton* forward = Button(window, "forward");
    ASSERT_NE(back, nullptr);
    ASSERT_NE(forward, nullptr);
    EXPECT_FALSE(back->isEnabled());
    window.ShowSection("integer-domain");
    window.ShowSection("gls-parameters");
    EXPECT_TRUE(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(Shown(window), "dialogs.html#integer-domain");
    EXPECT_TRUE(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(Shown(window), "solvers.html#gls-parameters");
    QTest::mouseClick(Button(window, "home"), Qt::LeftButton);
    EXPECT_EQ(Shown(window), "index.html#");
    // A link within the page is followed like a click on it.
    window.Browser()->setSource(QUrl(QStringLiteral("qrc:/guide/workbench.html#menu-tools")));
    EXPECT_EQ(window.Contents()->currentItem()->text(0), QStringLiteral("Tools"));
}

TEST(GuideWindow, OneWindowPerOwnerAndOwnedByTheModalDialogWhileOneRuns) {
    QWidget owner;
    owner.show();
    GuideWindow* first = GuideWindow::Open(&owner, "menu-file");
    GuideWindow* again = GuideWindow::Open(&owner, "menu-edit");
    EXPECT_EQ(first, again);
    EXPECT_EQ(first->parentWidget(), &owner);
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(Shown(*first), "workbench.html#menu-edit");
    EXPECT_EQ(GuideWindow::Latest(), first);

    // A modal dialog blocks every other window: the guide opened meanwhile is the dialog's.
    QDialog modal(&owner);
    modal.setModal(true);
    modal.show();
    GuideWindow* fromDialog = GuideWindow::Open(&owner, "menu-view");
    EXPECT_NE(fromDialog, first);
    EXPECT_EQ(fromDialog->parentWidget(), &modal);
    modal.hide();

    first->close();
    fromDialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(GuideWindow::Latest(), nullptr);
}
