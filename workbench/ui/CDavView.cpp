#include "workbench/ui/CDavView.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/ui/RunEventPump.hpp"
#include "workbench/views/ActionsMenu.hpp"
#include "workbench/views/RunStatus.hpp"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <algorithm>
#include <climits>

namespace TavWorkbench::Ui {

CDavView::CDavView(CTavDoc& doc, ActionProviders& providers, QWidget* parent)
    : QTreeView(parent), m_doc(doc), m_providers(providers), m_tree(doc.GetModel()),
      m_model(std::make_unique<ProblemTreeModel>(m_tree)), m_pump(std::make_unique<RunEventPump>(doc)) {
    setModel(m_model.get());
    setHeaderHidden(true);
    // Long names and information lines scroll sideways rather than being cut short.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(m_model.get(), &QAbstractItemModel::modelReset, this, [this] {
        ExpandGroups();
        if (m_inCommand) m_replaced = true;
    });

    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, &CDavView::SolveTimedOut);
    m_statisticsTimer.setInterval(kStatisticsInterval);
    connect(&m_statisticsTimer, &QTimer::timeout, this, [this] {
        m_doc.ShowStatistics();
        ShowRunStatus();
    });
    m_engineTimer.setSingleShot(true);
    connect(&m_engineTimer, &QTimer::timeout, this, [this] { m_doc.SkipEngine(); });
}

CDavView::~CDavView() {
    // The run's receiver goes with this view: end the solve while the view still stands.
    m_doc.EndSolve(false);
}

void CDavView::SetFrameHooks(std::function<void()> setModified, std::function<CommandContext()> context,
                             std::function<void(int, const std::string&)> status) {
    m_setModified = std::move(setModified);
    m_context = std::move(context);
    m_status = std::move(status);
}

void CDavView::BuildTree(const std::string& title) {
    m_tree.BuildTree(title);
    m_actionItem = QPersistentModelIndex();
}

void CDavView::ExpandGroups() {
    const QModelIndex root = m_model->index(0, 0);
    expand(root);
    for (int row = 0; row < m_model->rowCount(root); ++row)
        expand(m_model->index(row, 0, root));
}

void CDavView::SetRootText(const std::string& title) {
    m_tree.SetRootText(title);
}

ProblemTree::Item* CDavView::ActionItem() const {
    return const_cast<ProblemTree::Item*>(m_model->ItemOf(m_actionItem));
}

std::vector<MenuEntry> CDavView::ActionsAt(const QPoint& pos) {
    const QModelIndex index = indexAt(pos);
    m_actionItem = QPersistentModelIndex(index);
    const ProblemTree::Item* item = m_model->ItemOf(index);
    if (item == nullptr) return {};
    const CommandContext context = m_context ? m_context() : DocumentContext(m_doc);
    return ActionsMenuFor(item->Kind(), context);
}

void CDavView::contextMenuEvent(QContextMenuEvent* event) {
    // Keyboard menus carry the current item's position; mouse menus the click's.
    QPoint pos = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard && currentIndex().isValid())
        pos = visualRect(currentIndex()).center();
    const std::vector<MenuEntry> entries = ActionsAt(pos);
    if (entries.empty()) return;
    setCurrentIndex(m_actionItem);
    QMenu menu(this);
    for (const MenuEntry& entry : entries) {
        if (entry.separatorBefore) menu.addSeparator();
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setEnabled(entry.enabled);
        action->setWhatsThis(QString::fromUtf8(WhatsThisOf(entry.command)));
        action->setData(static_cast<int>(entry.command));
    }
    QAction* chosen = menu.exec(viewport()->mapToGlobal(pos));
    if (chosen != nullptr) RunElementCommand(static_cast<CommandId>(chosen->data().toInt()));
}

void CDavView::RunElementCommand(CommandId id) {
    ElementActions* provider = m_providers.For(id);
    if (provider == nullptr) return;
    const std::string title = m_tree.Root() != nullptr ? m_tree.Root()->text : std::string();
    ActionContext context{m_doc, ActionItem(), this, m_setModified, title};
    m_inCommand = true;
    m_replaced = false;
    provider->Run(id, context);
    m_inCommand = false;
    // A wizard or template names its problem in the document's title.
    if (!m_doc.GetTitle().empty() && m_doc.GetTitle() != title) SetRootText(m_doc.GetTitle());
    if (m_replaced) {
        m_replaced = false;
        emit ProblemReplaced();
    }
    emit ModelChanged();
    emit StateChanged();
}

// --- Solve control ---------------------------------------------------------------------

void CDavView::Solve(int count) {
    if (!m_doc.StartSolve(this, count)) {
        emit StateChanged();
        return;
    }
    m_found = 0;
    ShowRunStatus();
    RestartTimers();
    emit StateChanged();
}

void CDavView::ShowRunStatus() {
    if (m_status && m_doc.IsSolving())
        m_status(0, RunningStatusText(m_doc.GetRunReport().solver, m_found, m_doc.GetRunElapsed()));
}

void CDavView::FirstSolution() {
    Solve(1);
}

void CDavView::AllSolutions() {
    Solve(-1);
}

void CDavView::NumberOfSolutions() {
    ElementActions* provider = m_providers.For(CommandId::NumberOfSolutions);
    if (provider == nullptr) return;
    const std::optional<int> count = provider->AskSolutionCount(this);
    if (count) Solve(*count);
}

void CDavView::RestartTimers() {
    m_timeLimit.start(std::max(m_doc.GetSearchTimeLimit(), 0));
    m_statisticsTimer.start();
}

void CDavView::KillTimers() {
    m_statisticsTimer.stop();
    m_timeLimit.stop();
    m_engineTimer.stop();
}

void CDavView::SolveTimedOut() {
    m_timeLimit.stop();
    if (m_asking) {
        // The Stop question is open: the time-out waits for its answer.
        m_timeoutDue = true;
        return;
    }
    if (!m_doc.IsSolving()) return;
    m_asking = true;
    m_pump->Hold();
    const bool stopped = m_doc.OnSolveTimeout();
    m_asking = false;
    if (!stopped && m_doc.IsSolving()) RestartTimers();
    if (!m_doc.IsSolving()) KillTimers();
    m_pump->Release();
    emit StateChanged();
}

void CDavView::StopSolving() {
    if (m_asking || !m_doc.IsSolving()) return;
    m_asking = true;
    m_timeoutDue = false;
    m_pump->Hold();
    m_doc.OnStopSolving();
    m_asking = false;
    if (!m_doc.IsSolving()) {
        KillTimers();
        m_timeoutDue = false;
    }
    m_pump->Release();
    emit StateChanged();
    if (m_timeoutDue) {
        m_timeoutDue = false;
        SolveTimedOut();
    }
}

void CDavView::progress(int found) {
    m_found = found;
    ShowRunStatus();
    m_doc.ShowResults(0, found);
    emit StateChanged();
}

void CDavView::finished(int found) {
    m_doc.ShowStatistics();
    m_doc.RunFinished();
    if (m_status) m_status(1, std::string());
    KillTimers();
    m_timeoutDue = false;
    if (m_doc.IsExpertMode()) m_doc.ReleaseEngines();
    m_doc.EndSolve(found != 0);
    emit StateChanged();
}

void CDavView::engineStarted(int position) {
    m_doc.EngineStarted(position);
    m_engineTimer.start(std::clamp(m_doc.GetEngineInterval(), 1, INT_MAX / 1000) * 1000);
}

void CDavView::engineSolved(int position) {
    m_doc.EngineSolved(position);
}

} // namespace TavWorkbench::Ui
