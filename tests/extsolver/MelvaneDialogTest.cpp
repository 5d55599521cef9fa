// melvane's dialog offscreen: its fields, defaults and button states, and Connect, Read
// Problem and Solve Problem pressed against the headless workbench host.

#include "extsolver/melvane/CMelvaneDlg.hpp"
#include "tests/workbench/net/LoopbackHelpers.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Melvane;
using TavTest::WaitFor;

namespace {

template <class W> W* Child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(MelvaneDialog, ShowsTheDefaultsAndDrivesAConnection) {
    TavNet::ExternalSolverHost host;
    ASSERT_TRUE(TavTest::StartOnFieldPort(host));
    host.SetProblem(TavTest::QueensText(6));

    CMelvaneApp app("testhost");
    CMelvaneDlg dialog(app);
    std::vector<std::string> boxes;
    app.showBox = [&](const std::string& text, const std::string&) { boxes.push_back(text); };
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Melvane");

    const std::pair<const char*, const char*> fields[] = {
        {"serverName", "testhost"}, {"port", "5000"}, {"solverName", "GLS"}, {"solutions", "1"},
        {"timeLimit", "5"},         {"lambda", "10"}, {"seed", "2334"},      {"optimise", "2"},
    };
    for (const auto& [name, value] : fields)
        EXPECT_EQ(Child<QLineEdit>(dialog, name)->text().toStdString(), value) << name;
    bool labelled = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labelled = labelled || label->text() == "Time Limit (s)";
    EXPECT_TRUE(labelled);
    EXPECT_TRUE(Child<QCheckBox>(dialog, "learning")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "delta")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dialog, "approx")->isChecked());
    EXPECT_EQ(Child<QCheckBox>(dialog, "approx")->text(), "Approx. Evaluation");

    const std::tuple<const char*, const char*, bool> buttons[] = {
        {"read", "Read Problem", false},     {"solve", "Solve Problem", false}, {"connect", "Connect", true},
        {"send", "Send Solution(s)", false}, {"stop", "Stop Solving", false},   {"master", "Master", false},
    };
    for (const auto& [name, text, enabled] : buttons) {
        QPushButton* b = Child<QPushButton>(dialog, name);
        EXPECT_EQ(b->text().toStdString(), text) << name;
        EXPECT_EQ(b->isEnabled(), enabled) << name;
    }
    EXPECT_TRUE(Child<QPushButton>(dialog, "connect")->hasFocus());

    // A field out of range: the box, and the focus on the field; then a good value.
    const std::tuple<const char*, const char*, const char*, const char*> refused[] = {
        {"timeLimit", "0", "Please enter a number between 0.1 and 99999.", "0.5"},
        {"port", "10000", "Please enter an integer between 0 and 9999.", nullptr},
    };
    for (const auto& [name, bad, box, good] : refused) {
        QLineEdit* edit = Child<QLineEdit>(dialog, name);
        edit->setText(bad);
        boxes.clear();
        QTest::mouseClick(Child<QPushButton>(dialog, "connect"), Qt::LeftButton);
        ASSERT_EQ(boxes, std::vector<std::string>{box}) << name;
        EXPECT_TRUE(edit->hasFocus()) << name;
        if (good != nullptr) edit->setText(good);
    }
    QLineEdit* port = Child<QLineEdit>(dialog, "port");

    Child<QLineEdit>(dialog, "serverName")->setText("127.0.0.1");
    port->setText(QString::number(host.Port()));
    QTest::mouseClick(Child<QPushButton>(dialog, "connect"), Qt::LeftButton);
    EXPECT_EQ(Child<QPushButton>(dialog, "connect")->text(), "Disconnect");
    EXPECT_TRUE(Child<QPushButton>(dialog, "read")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(dialog, "master")->isEnabled());
    QPlainTextEdit* log = Child<QPlainTextEdit>(dialog, "log");
    EXPECT_TRUE(log->toPlainText().contains("* You are connected to the server"));

    QTest::mouseClick(Child<QPushButton>(dialog, "read"), Qt::LeftButton);
    QPushButton* solve = Child<QPushButton>(dialog, "solve");
    ASSERT_TRUE(WaitFor([&] { return solve->isEnabled(); }));
    EXPECT_TRUE(log->toPlainText().contains("* Received Problem"));
    QTest::mouseClick(solve, Qt::LeftButton);
    QPushButton* send = Child<QPushButton>(dialog, "send");
    ASSERT_TRUE(WaitFor([&] { return send->isEnabled(); }));
    EXPECT_TRUE(log->toPlainText().contains("Solution\t0:"));
    QTest::mouseClick(send, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return host.Server().HasSolutions(1); }));

    QTest::mouseClick(Child<QPushButton>(dialog, "connect"), Qt::LeftButton);
    EXPECT_EQ(Child<QPushButton>(dialog, "connect")->text(), "Connect");
    EXPECT_TRUE(log->toPlainText().contains("* You are disconnected"));
    ASSERT_TRUE(WaitFor([&] { return host.Server().GetUserCount() == 0; }));
}

} // namespace
