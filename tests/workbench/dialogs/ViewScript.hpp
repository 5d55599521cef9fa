#pragma once
// Drives the dialogs' views offscreen: each view the host opens is handed to the next step of a
// script, which runs inside the view's own event loop (queued when it opens), fills the widgets
// with QTest and presses a button. A view still open after its step is cancelled (and the step
// fails), so a refused OK never leaves a test waiting. Every view must show its whole title.

#include "workbench/dialogs/widgets/QtDialogHost.hpp"
#include "workbench/ui/TitleWidth.hpp"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

class ViewScript {
public:
    using Step = std::function<void(QDialog&)>;

    // Watches the views `host` opens (a QtDialogHost or any host with SetOpenObserver).
    template <class Host> explicit ViewScript(Host& host) { Watch(host); }
    template <class Host> void Watch(Host& host) {
        host.SetOpenObserver([this](QDialog* view) { Open(view); });
    }
    ~ViewScript() {
        EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " steps left, next for " << m_steps.front().first;
    }

    // The next view opened must be of class `viewClass`; `step` fills it and presses a button.
    // With `mayStayOpen` the step's refusal is expected and the view is then cancelled quietly.
    void Then(const std::string& viewClass, Step step, bool mayStayOpen = false) {
        m_steps.push_back({viewClass, [step = std::move(step), mayStayOpen](QDialog& view) {
                               EXPECT_GE(view.width(), TavWorkbench::Ui::TitleWidth(view))
                                   << view.metaObject()->className() << " cuts its title";
                               step(view);
                               if (view.isVisible()) {
                                   EXPECT_TRUE(mayStayOpen)
                                       << view.metaObject()->className() << " stayed open";
                                   view.reject();
                               }
                           }});
    }
    std::vector<std::string> opened;

private:
    void Open(QDialog* view) {
        const std::string name = view->metaObject()->className();
        opened.push_back(name);
        if (m_steps.empty()) {
            ADD_FAILURE() << "unexpected view " << name;
            QTimer::singleShot(0, view, [view] { view->reject(); });
            return;
        }
        auto [expected, step] = std::move(m_steps.front());
        m_steps.pop_front();
        EXPECT_EQ("TavDialogs::" + expected, name);
        QTimer::singleShot(0, view, [view, step = std::move(step)] { step(*view); });
    }

    std::deque<std::pair<std::string, Step>> m_steps;
};

// The child widget of `view` named `name`; fails the test when there is none.
template <class Widget> Widget* Find(QWidget& view, const char* name) {
    auto* widget = view.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no " << name;
    return widget;
}

// Types `text` into the line edit `name`, replacing what it held.
inline void Type(QWidget& view, const char* name, const QString& text) {
    QLineEdit* edit = Find<QLineEdit>(view, name);
    if (edit == nullptr) return;
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

// Types `text` where the widget's caret is, line feeds as the Return key.
inline void TypeLines(QWidget* widget, const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClicks(widget, lines[i]);
    }
}

// Clicks a check box or radio button on its indicator.
inline void Tick(QWidget& view, const char* name) {
    if (auto* button = Find<QAbstractButton>(view, name))
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void Click(QWidget& view, const char* name) {
    if (auto* button = Find<QPushButton>(view, name)) QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks the row of `list` whose text starts with `prefix`, twice with `twice` (a double-click).
inline void ClickRow(QWidget& view, const char* list, const QString& prefix, bool twice = false) {
    QListWidget* widget = Find<QListWidget>(view, list);
    if (widget == nullptr) return;
    // Rows added just now are laid out when the event loop next runs; lay them out at once.
    widget->doItemsLayout();
    for (int row = 0; row < widget->count(); ++row) {
        QListWidgetItem* item = widget->item(row);
        if (!item->text().startsWith(prefix)) continue;
        widget->scrollToItem(item);
        const QPoint at = widget->visualItemRect(item).center();
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, at);
        return;
    }
    ADD_FAILURE() << "no row " << prefix.toStdString() << " in " << list;
}

inline void DoubleClickRow(QWidget& view, const char* list, const QString& prefix) {
    ClickRow(view, list, prefix, true);
}
