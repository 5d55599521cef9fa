#pragma once
// A provider of element commands for the tests: it serves the commands it is told to, records
// what it was asked to run with the right-clicked item's kind and index, and answers the small
// dialogs from its fields. Its statistics window is a plain text window.

#include "workbench/ui/ElementActions.hpp"
#include "workbench/ui/StatisticsWindow.hpp"

#include <QDialog>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <optional>
#include <set>

class FakeStatisticsWindow : public QDialog, public TavWorkbench::Ui::StatisticsWindow {
public:
    explicit FakeStatisticsWindow(QWidget* parent) : QDialog(parent), m_text(new QPlainTextEdit(this)) {
        setAttribute(Qt::WA_DeleteOnClose);
        setModal(false);
        resize(240, 160);
        (new QVBoxLayout(this))->addWidget(m_text);
    }
    QWidget* Widget() override { return this; }
    void SetStatsText(const std::string& text) override {
        m_text->setPlainText(QString::fromStdString(text));
    }
    QString Text() const { return m_text->toPlainText(); }

private:
    QPlainTextEdit* m_text;
};

class FakeProvider : public TavWorkbench::Ui::ElementActions {
public:
    using CommandId = TavWorkbench::CommandId;

    struct Call {
        CommandId id;
        // Empty without a right-clicked item.
        std::optional<TavWorkbench::ProblemTree::ItemKind> kind = std::nullopt;
        int index = -1;
    };

    explicit FakeProvider(std::set<CommandId> served) : m_served(std::move(served)) {}

    bool Provides(CommandId id) const override { return m_served.contains(id); }
    void Run(CommandId id, TavWorkbench::Ui::ActionContext& context) override {
        Call call{id};
        if (context.actionItem != nullptr) {
            call.kind = context.actionItem->Kind();
            call.index = context.actionItem->Index();
        }
        calls.push_back(call);
    }
    std::optional<int> AskSolutionCount(QWidget*) override { return solutionCount; }
    std::optional<int> AskSearchMinutes(QWidget*, int shown) override {
        shownMinutes = shown;
        return minutes;
    }
    std::optional<std::pair<int, int>> AskTotalRows(QWidget*, int lower, int upper) override {
        totalBounds = {lower, upper};
        return totalRows;
    }
    TavWorkbench::Ui::StatisticsWindow* OpenStatisticsWindow(QWidget* parent) override {
        ++statisticsWindows;
        return new FakeStatisticsWindow(parent);
    }

    std::vector<Call> calls;
    std::optional<int> solutionCount;
    std::optional<int> minutes;
    int shownMinutes = -1;
    std::optional<std::pair<int, int>> totalRows;
    std::pair<int, int> totalBounds{-1, -1};
    int statisticsWindows = 0;

private:
    std::set<CommandId> m_served;
};
