// melvane's help, offscreen: F1 opens the user's guide at its Melvane section, the guide has
// that section, and each field and button of the dialog answers What's This.

#include "extsolver/melvane/CMelvaneDlg.hpp"
#include "help/GuideWindow.hpp"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

TEST(MelvaneHelp, F1OpensTheGuideAtMelvaneAndEveryFieldAnswersWhatsThis) {
    Melvane::CMelvaneApp app("testhost");
    Melvane::CMelvaneDlg dialog(app);
    dialog.show();
    QWidget* port = dialog.findChild<QLineEdit*>(QStringLiteral("port"));
    ASSERT_NE(port, nullptr);
    port->setFocus();
    QTest::keyClick(port, Qt::Key_F1);
    TavHelp::GuideWindow* guide = TavHelp::GuideWindow::Latest();
    ASSERT_NE(guide, nullptr);
    EXPECT_EQ(guide->CurrentPage() + "#" + guide->CurrentAnchor(), "external.html#melvane");
    EXPECT_EQ(guide->parentWidget(), &dialog);
    EXPECT_TRUE(guide->Browser()->toPlainText().contains(QStringLiteral("Time Limit")));
    guide->close();

    int fields = 0;
    for (QWidget* field : dialog.findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QAbstractButton*>(field) &&
            !qobject_cast<QPlainTextEdit*>(field))
            continue;
        EXPECT_FALSE(field->whatsThis().isEmpty()) << field->objectName().toStdString() << " has no line";
        ++fields;
    }
    EXPECT_GE(fields, 17);
}
