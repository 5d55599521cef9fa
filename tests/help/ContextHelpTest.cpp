// The help keys in a window of their own: F1 opens the guide at the section named by the focused
// widget or the nearest window around it (the start when none is known), Shift+F1 enters What's
// This mode, and each field gets its line from the table.

#include "help/ContextHelp.hpp"
#include "help/GuideWindow.hpp"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <gtest/gtest.h>

using TavHelp::ContextHelp;
using TavHelp::GuideWindow;

namespace {

// A dialog with two fields inside a panel, as the program's dialogs are built.
struct SmallDialog {
    SmallDialog() {
        auto* layout = new QVBoxLayout(&dialog);
        panel = new QWidget(&dialog);
        auto* inner = new QVBoxLayout(panel);
        name = new QLineEdit(panel);
        name->setObjectName(QStringLiteral("name"));
        inner->addWidget(name);
        layout->addWidget(panel);
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setObjectName(QStringLiteral("ok"));
        layout->addWidget(ok);
        dialog.show();
    }
    QDialog dialog;
    QWidget* panel;
    QLineEdit* name;
    QPushButton* ok;
};

GuideWindow* PressF1(QWidget* widget) {
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_F1);
    return GuideWindow::Latest();
}

} // namespace

TEST(ContextHelp, FieldsGetTheirLinesAndFieldsNotThereAreReported) {
    SmallDialog d;
    static constexpr TavHelp::FieldLine kLines[] = {
        {"name", "The name."}, {"ok", "Accepts."}, {"gone", "A field renamed since."}};
    ContextHelp::Set(&d.dialog, "integer-domain", kLines);
    EXPECT_EQ(d.name->whatsThis(), QStringLiteral("The name."));
    EXPECT_EQ(d.ok->whatsThis(), QStringLiteral("Accepts."));
    EXPECT_EQ(ContextHelp::UnknownFields(&d.dialog), QStringList{QStringLiteral("gone")});
    ContextHelp::Set(d.panel, "set-domain");
    EXPECT_EQ(ContextHelp::SectionsOf(d.name), (std::vector<std::string>{"set-domain", "integer-domain"}));
}

TEST(ContextHelp, F1OpensTheGuideAtTheSectionOfTheFocusedWidgetOrTheWindowAroundIt) {
    SmallDialog d;
    ContextHelp::Set(&d.dialog, "constraint-builder");
    GuideWindow* shown = PressF1(d.name);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->CurrentPage(), "dialogs.html");
    EXPECT_EQ(shown->CurrentAnchor(), "constraint-builder");
    EXPECT_EQ(shown->parentWidget(), &d.dialog);

    // A part that names a section the guide no longer has gives way to the window's.
    ContextHelp::Set(d.panel, "renamed-section");
    EXPECT_EQ(PressF1(d.name)->CurrentAnchor(), "constraint-builder");
    ContextHelp::Set(d.panel, "float-domain");
    EXPECT_EQ(PressF1(d.name)->CurrentAnchor(), "float-domain");
    EXPECT_EQ(PressF1(d.ok)->CurrentAnchor(), "constraint-builder");
    shown->close();
}

TEST(ContextHelp, F1WhereNoSectionIsNamedOpensTheGuidesStart) {
    ContextHelp::Install();
    QDialog plain;
    auto* edit = new QLineEdit(&plain);
    plain.show();
    GuideWindow* shown = PressF1(edit);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->CurrentPage(), "index.html");
    EXPECT_EQ(shown->CurrentAnchor(), "");
    shown->close();
}

TEST(ContextHelp, ShiftF1EntersWhatsThisMode) {
    SmallDialog d;
    ContextHelp::Set(&d.dialog, "integer-domain");
    d.name->setFocus();
    QTest::keyClick(d.name, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();
    EXPECT_FALSE(QWhatsThis::inWhatsThisMode());
}
