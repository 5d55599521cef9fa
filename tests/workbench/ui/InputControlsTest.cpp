// The input boxes typed into as a user types (their filters themselves are tested headless),
// and the constant-value tips of the id box and the constants list.

#include "workbench/model/CConstArray.hpp"
#include "workbench/ui/CCommaIntEdit.hpp"
#include "workbench/ui/CContentsList.hpp"
#include "workbench/ui/CFloaterEdit.hpp"
#include "workbench/ui/CHelpWnd.hpp"
#include "workbench/ui/CListSetEdit.hpp"
#include "workbench/ui/CMyEdit.hpp"
#include "workbench/ui/CNameEdit.hpp"
#include "workbench/ui/CPopupEdit.hpp"
#include "workbench/ui/CPopupTip.hpp"
#include "workbench/ui/CSpecialEdit.hpp"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace TavWorkbench;
using namespace TavWorkbench::Ui;

namespace {

QString Typed(QLineEdit& edit, const QString& keys) {
    edit.show();
    QTest::keyClicks(&edit, keys);
    return edit.text();
}

void MoveMouse(QWidget* target, QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, target->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

TEST(InputControls, BoxesKeepOnlyWhatTheyAccept) {
    CNameEdit name;
    EXPECT_EQ(Typed(name, "my var_1!"), "myvar_1");
    CSpecialEdit special;
    EXPECT_EQ(Typed(special, "a,b"), "ab");
    special.SetAllowComma(true);
    EXPECT_EQ(Typed(special, ",c"), "ab,c");
    CMyEdit integer;
    EXPECT_EQ(Typed(integer, "1-2-3.4"), "1-234");
    CFloaterEdit real;
    EXPECT_EQ(Typed(real, "-1.2.3-"), "-1.23");
    CListSetEdit list;
    list.SetBrackets(1);
    EXPECT_EQ(Typed(list, "[1,2]{3}"), "[1,2]3");
}

TEST(InputControls, DimensionBoxTurnsSeparatorsIntoCommasAndBackspaceDeletes) {
    CCommaIntEdit dimensions;
    EXPECT_EQ(Typed(dimensions, "3 4;5"), "3,4,5");
    QTest::keyClick(&dimensions, Qt::Key_Backspace);
    EXPECT_EQ(dimensions.text(), "3,4,");
    QTest::keyClick(&dimensions, Qt::Key_Backspace);
    EXPECT_EQ(dimensions.text(), "3,4");
}

TEST(InputControls, IdBoxShowsTheConstantsValue) {
    CConstArray constants;
    constants.Add(std::make_unique<CConstant>("N", 8));
    CPopupEdit edit;
    edit.SetConstants(&constants);
    edit.resize(120, 24);
    edit.show();
    edit.setText("q");
    MoveMouse(&edit, QPoint(10, 10));
    EXPECT_EQ(edit.Tip(), nullptr) << "an id that names no constant shows nothing";
    edit.setText("n");
    MoveMouse(&edit, QPoint(10, 10));
    ASSERT_NE(edit.Tip(), nullptr);
    EXPECT_EQ(edit.Tip()->Text(), "Current Value = 8");
    EXPECT_EQ(edit.Tip()->GetShape(), CPopupTip::RoundedRectangle);
    MoveMouse(&edit, QPoint(500, 10));
    EXPECT_EQ(edit.Tip(), nullptr);
}

TEST(InputControls, ConstantsListShowsAndHidesTips) {
    CConstArray constants;
    constants.Add(std::make_unique<CConstant>("N", 8));
    constants.Add(std::make_unique<CConstant>("S", "1,2", CConstant::Type::Set));
    CContentsList list;
    list.SetConstants(&constants);
    list.AddConstantItem("N", 0);
    list.AddConstantItem("S", 1);
    list.resize(150, 200);
    list.show();
    const QPoint second = list.visualItemRect(list.item(1)).center();
    MoveMouse(list.viewport(), second);
    ASSERT_NE(list.Tip(), nullptr);
    EXPECT_EQ(list.TipRow(), 1);
    EXPECT_EQ(list.Tip()->Text(), "Current Value = 1,2");
    EXPECT_FALSE(list.Tip()->IsHighlighted());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, second);
    ASSERT_NE(list.Tip(), nullptr);
    EXPECT_TRUE(list.Tip()->IsHighlighted());
    // Below the last item: no tip.
    MoveMouse(list.viewport(), QPoint(10, 190));
    EXPECT_EQ(list.Tip(), nullptr);
    EXPECT_EQ(list.TipRow(), -1);
}

TEST(InputControls, TipsStayOnTheScreen) {
    EXPECT_EQ(CPopupTip::PlaceX(100, 50, 1280), 100);
    EXPECT_EQ(CPopupTip::PlaceX(1250, 50, 1280), 1280 - 50 - 6);
    CPopupTip tip(nullptr);
    tip.SetText("Current Value = 1");
    ASSERT_TRUE(tip.ShowAt(10, 10, 7));
    EXPECT_EQ(tip.GetShape(), CPopupTip::Rectangle);
    // A help note keeps its width and grows downwards with its text.
    const QRect one = CHelpWnd::LayoutFor("short", HelpFont(), 5, 5);
    const QRect many = CHelpWnd::LayoutFor(QString("word ").repeated(80), HelpFont(), 5, 5);
    EXPECT_EQ(one.width(), CHelpWnd::kWidth);
    EXPECT_EQ(one.height(), CHelpWnd::kMinHeight);
    EXPECT_EQ(many.width(), CHelpWnd::kWidth);
    EXPECT_GT(many.height(), 3 * CHelpWnd::kMinHeight);
}
