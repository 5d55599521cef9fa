#include "workbench/ui/CMainFrame.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveSession.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/AppIcon.hpp"
#include "workbench/ui/CAboutDlg.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CSplashWnd.hpp"
#include "workbench/ui/CTavView.hpp"
#include "workbench/ui/ExternalSolvers.hpp"
#include "workbench/ui/QtSolveClock.hpp"
#include "workbench/ui/RecentFileList.hpp"
#include "workbench/ui/RunEventPump.hpp"
#include "workbench/ui/StatisticsWindow.hpp"
#include "workbench/ui/UiPrompts.hpp"
#include "workbench/views/ResultsExport.hpp"
#include "workbench/views/RunStatus.hpp"

#include "help/ContextHelp.hpp"
#include "help/GuideWindow.hpp"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <cctype>
#include <set>

namespace TavWorkbench::Ui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A menu path's parts: the menus, the item's text and its shortcut ("&Tools/LP Wizards/Linear
// Wizard", "&File/&Save\tCtrl+S").
struct MenuPath {
    std::vector<std::string> menus;
    std::string item;
    std::string shortcut;
};

MenuPath SplitPath(const std::string& text) {
    MenuPath path;
    std::string rest = text;
    if (const auto tab = rest.find('\t'); tab != std::string::npos) {
        path.shortcut = rest.substr(tab + 1);
        rest.resize(tab);
    }
    // "&Add/&Set/List Constants": the item's own text may hold "/"; menus are the known ones.
    static const std::set<std::string> kMenus = {"&File",  "&Edit",    "&View", "&Add",
                                                 "&Tools", "&Options", "&Help", "LP Wizards"};
    std::size_t start = 0;
    while (true) {
        const auto slash = rest.find('/', start);
        if (slash == std::string::npos || !kMenus.contains(rest.substr(start, slash - start))) break;
        path.menus.push_back(rest.substr(start, slash - start));
        start = slash + 1;
    }
    path.item = rest.substr(start);
    return path;
}

// Commands with a separator before them in their menu.
const std::set<CommandId> kSeparatorBefore = {
    CommandId::FilePrint,     CommandId::ViewStatistics, CommandId::StopSolving,
    CommandId::AddTotal,      CommandId::ProblemWizard,  CommandId::PlayDemo,
    CommandId::SetParameters, CommandId::SaveResults,    CommandId::RemoveOptimisation};

// Commands that end by putting a new problem in place of the document's.
const std::set<CommandId> kReplaceTheProblem = {CommandId::UseTemplate, CommandId::ProblemWizard,
                                                CommandId::LinearWizard, CommandId::TransportationWizard,
                                                CommandId::AssignmentWizard};

const std::set<CommandId> kSolverSettings = {CommandId::SolverGFC,  CommandId::SolverGLS,
                                             CommandId::SolverGLS2, CommandId::SolverGA,
                                             CommandId::SolverTabu, CommandId::SolverExpert};

// The guide's section of a menu: "&Tools" is "menu-tools", "LP Wizards" "menu-lp-wizards".
std::string MenuSection(const std::string& menu) {
    std::string section = "menu-";
    for (const char c : menu) {
        if (c == '&') continue;
        section += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return section;
}

SolverSetting SettingOf(CommandId id) {
    switch (id) {
    case CommandId::SolverGLS:
        return SolverSetting::GuidedLocalSearch;
    case CommandId::SolverGLS2:
        return SolverSetting::GuidedLocalSearch2;
    case CommandId::SolverGA:
        return SolverSetting::GeneticAlgorithm;
    case CommandId::SolverTabu:
        return SolverSetting::TabuSearch;
    case CommandId::SolverExpert:
        return SolverSetting::Expert;
    default:
        return SolverSetting::CompleteSearch;
    }
}

} // namespace

CMainFrame::CMainFrame(CTavDoc& doc, UiPrompts& prompts, ActionProviders& providers, RecentFileList* recent,
                       ExternalSolvers* external, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_clock(std::make_unique<QtSolveClock>()),
      m_session(std::make_unique<SolveSession>(doc, *m_clock)),
      m_pump(std::make_unique<RunEventPump>(doc, *m_session)), m_prompts(prompts), m_providers(providers),
      m_recent(recent), m_external(external) {
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_tree = new CDavView(doc, providers, m_splitter);
    m_results = new CTavView(doc, providers, m_splitter);
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_results);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({300, 200});
    setCentralWidget(m_splitter);

    m_tree->SetFrameHooks([this] { m_modified = true; }, [this] { return Context(); });
    m_results->SetTitleSource([this] { return m_title; });
    connect(m_tree, &CDavView::StateChanged, this, &CMainFrame::UpdateCommandStates);
    connect(m_tree, &CDavView::ModelChanged, this, &CMainFrame::ProblemChanged);
    connect(m_tree, &CDavView::ProblemReplaced, this, &CMainFrame::ProblemReplaced);
    connect(m_results, &CTavView::StateChanged, this, &CMainFrame::UpdateCommandStates);

    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    TavHelp::ContextHelp::Set(this, "main-window");
    TavHelp::ContextHelp::Set(m_tree, "problem-tree");
    TavHelp::ContextHelp::Set(m_results, "results-view");
    TavHelp::ContextHelp::Set(m_toolBar, "toolbar");

    m_doc.SetViews(this);
    SetDocumentName({});
    m_tree->BuildTree(m_title);
    m_results->RefreshResults(0);

    // As the framework's idle time would: the toolbar follows states that change on their own
    // (a server connection, a solver reporting itself solved).
    m_idleUpdate.setInterval(250);
    connect(&m_idleUpdate, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    m_idleUpdate.start();
    UpdateCommandStates();
    CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame() {
    m_idleUpdate.stop();
    // The session ends its solve while the views stand; its last events are dropped.
    m_pump.reset();
    m_session.reset();
    m_doc.SetViews(nullptr);
}

// --- Building ----------------------------------------------------------------------------

void CMainFrame::BuildActions() {
    for (const CommandInfo& info : Commands()) {
        const std::string text = info.text;
        if (text.rfind("Actions/", 0) == 0) continue;
        auto* action = new QAction(this);
        if (const auto newline = text.find('\n'); newline != std::string::npos) {
            // A toolbar command: its prompt, then its tip.
            action->setText(Text(text.substr(newline + 1)));
            action->setStatusTip(Text(text.substr(0, newline)));
        } else {
            const MenuPath path = SplitPath(text);
            action->setText(Text(path.item));
            if (!path.shortcut.empty()) action->setShortcut(QKeySequence(Text(path.shortcut)));
            action->setStatusTip(Text(info.prompt));
        }
        if (kSolverSettings.contains(info.id)) action->setCheckable(true);
        action->setWhatsThis(Text(WhatsThisOf(info.id)));
        const CommandId id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        m_actions[id] = action;
    }
    const auto icon = [this](CommandId id, QStyle::StandardPixmap pixmap) {
        m_actions.at(id)->setIcon(style()->standardIcon(pixmap));
    };
    icon(CommandId::FileNew, QStyle::SP_FileIcon);
    icon(CommandId::FileOpen, QStyle::SP_DialogOpenButton);
    icon(CommandId::FileSave, QStyle::SP_DialogSaveButton);
    icon(CommandId::FirstSolution, QStyle::SP_MediaPlay);
    icon(CommandId::StopSolving, QStyle::SP_MediaStop);
    icon(CommandId::GoFirstSolution, QStyle::SP_MediaSkipBackward);
    icon(CommandId::GoPreviousSolution, QStyle::SP_MediaSeekBackward);
    icon(CommandId::GoNextSolution, QStyle::SP_MediaSeekForward);
    icon(CommandId::GoLastSolution, QStyle::SP_MediaSkipForward);
}

void CMainFrame::BuildMenus() {
    std::map<std::string, QMenu*> menus;
    const auto menuFor = [&](const std::vector<std::string>& names) {
        QMenu* parent = nullptr;
        std::string key;
        for (const std::string& name : names) {
            key += "/" + name;
            auto found = menus.find(key);
            if (found == menus.end()) {
                QMenu* menu =
                    parent == nullptr ? menuBar()->addMenu(Text(name)) : parent->addMenu(Text(name));
                TavHelp::ContextHelp::Set(menu, MenuSection(name).c_str());
                connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
                found = menus.emplace(key, menu).first;
            }
            parent = found->second;
        }
        return parent;
    };
    for (const CommandInfo& info : Commands()) {
        const std::string text = info.text;
        if (text.find('\n') != std::string::npos || text.rfind("Actions/", 0) == 0) continue;
        const MenuPath path = SplitPath(text);
        QMenu* menu = menuFor(path.menus);
        if (menu == nullptr) continue;
        if (info.id == CommandId::AppExit) {
            // The recent files between two separators (which fold into one while there are none).
            m_fileMenu = menu;
            menu->addSeparator();
            m_recentSeparator = menu->addSeparator();
        }
        if (kSeparatorBefore.contains(info.id)) menu->addSeparator();
        menu->addAction(m_actions.at(info.id));
    }
    RebuildRecentFiles();
}

void CMainFrame::BuildToolBar() {
    m_toolBar = addToolBar("Toolbar");
    m_toolBar->setObjectName("Toolbar");
    m_toolBar->setMovable(true);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::vector<std::vector<CommandId>> groups = {
        {CommandId::FileNew, CommandId::FileOpen, CommandId::FileSave},
        {CommandId::EditCopy, CommandId::FilePrint},
        {CommandId::FirstSolution, CommandId::AllSolutions, CommandId::StopSolving},
        {CommandId::GoFirstSolution, CommandId::GoPreviousSolution, CommandId::GoNextSolution,
         CommandId::GoLastSolution},
        {CommandId::ViewNormal, CommandId::ViewGrid},
        {CommandId::UseTemplate, CommandId::SolutionCost},
    };
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0) m_toolBar->addSeparator();
        for (CommandId id : groups[g])
            m_toolBar->addAction(m_actions.at(id));
    }
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    m_textPane = new QLabel(bar);
    m_textPane->setFixedWidth(kTextPaneWidth);
    m_textPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(m_textPane);
    // The keyboard's lock states cannot be read here: the indicators stay greyed.
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(indicator, bar);
        label->setEnabled(false);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(label);
    }
    // A menu's or a button's tip covers the message pane only while it shows.
    connect(bar, &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty() && !m_restingMessage.isEmpty()) statusBar()->showMessage(m_restingMessage);
    });
    bar->showMessage(m_restingMessage);
}

void CMainFrame::RebuildRecentFiles() {
    if (m_fileMenu == nullptr) return;
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    if (m_recent == nullptr) return;
    const QStringList& files = m_recent->Files();
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(m_recent->MenuText(i), this);
        action->setStatusTip(files[i]);
        action->setWhatsThis(QStringLiteral("Opens %1 again.").arg(files[i]));
        const QString file = files[i];
        connect(action, &QAction::triggered, this, [this, file] {
            if (!OpenDocument(file.toStdString()) && m_recent != nullptr) {
                m_recent->Remove(file);
                RebuildRecentFiles();
            }
        });
        m_fileMenu->insertAction(m_recentSeparator, action);
        m_recentActions.push_back(action);
    }
}

// --- State -------------------------------------------------------------------------------

CommandContext CMainFrame::Context() const {
    CommandContext context = DocumentContext(m_doc);
    context.gridMode = m_results->IsGridMode();
    context.currentSolution = m_results->CurrentSolution();
    if (m_external != nullptr) {
        context.serverRunning = m_external->IsRunning();
        context.serverWhy = m_external->WhyNotRunning();
        context.connectedSolvers = m_external->ConnectedCount();
    } else {
        context.serverWhy = kNoServerInThisBuild;
    }
    context.provided = m_providers.Provided();
    return context;
}

QAction* CMainFrame::Action(CommandId id) const {
    const auto found = m_actions.find(id);
    return found != m_actions.end() ? found->second : nullptr;
}

void CMainFrame::UpdateCommandStates() {
    const CommandContext context = Context();
    for (const auto& [id, action] : m_actions) {
        const CommandState state = StateOf(id, context);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) action->setChecked(state.checked);
        const CommandInfo& info = CommandInfoOf(id);
        std::string tip = info.prompt;
        if (std::string(info.text).find('\n') != std::string::npos)
            tip = std::string(info.text).substr(0, std::string(info.text).find('\n'));
        if (!state.why.empty()) tip = state.why;
        action->setStatusTip(Text(tip));
        action->setToolTip(state.why.empty() ? action->text().remove('&') : Text(state.why));
    }
}

void CMainFrame::SetStatusText(int pane, const std::string& text) {
    if (pane == 0) {
        m_restingMessage = Text(text);
        statusBar()->showMessage(m_restingMessage);
    } else if (pane == 1) {
        m_textPane->setText(Text(text));
    }
    statusBar()->repaint();
}

std::string CMainFrame::StatusText(int pane) const {
    if (pane == 0) return statusBar()->currentMessage().toStdString();
    if (pane == 1) return m_textPane->text().toStdString();
    return {};
}

// --- Document views ----------------------------------------------------------------------

void CMainFrame::ResultsChanged(int found) {
    m_results->RefreshResults(found);
}

void CMainFrame::StatisticsChanged(const std::string& text) {
    SetStatisticsText(text);
}

void CMainFrame::RunFinished() {
    m_results->setFocus();
    // The message pane says how the run ended; the text pane is left empty.
    SetStatusText(1, std::string());
    const RunReport& report = m_doc.GetRunReport();
    SetStatusText(0, EndedStatusText(report));
    m_results->SetNote(ResultsNoteText(report));
}

void CMainFrame::RunGoingOn(int found) {
    if (m_doc.IsSolving())
        SetStatusText(0, RunningStatusText(m_doc.GetRunReport().solver, found, m_doc.GetRunElapsed()));
}

void CMainFrame::SolveStateChanged() {
    UpdateCommandStates();
}

void CMainFrame::SetStatisticsText(const std::string& text) {
    if (m_statsWidget && m_stats != nullptr) m_stats->SetStatsText(text);
}

StatisticsWindow* CMainFrame::OpenStatistics() const {
    return m_statsWidget ? m_stats : nullptr;
}

void CMainFrame::ShowStatisticsWindow() {
    if (m_statsWidget && m_stats != nullptr) {
        m_statsWidget->raise();
        m_statsWidget->activateWindow();
        m_statsWidget->setFocus();
        m_stats->SetStatsText(m_doc.GetStatisticsText());
        return;
    }
    ElementActions* provider = m_providers.For(CommandId::ViewStatistics);
    if (provider == nullptr) return;
    StatisticsWindow* window = provider->OpenStatisticsWindow(this);
    if (window == nullptr || window->Widget() == nullptr) return;
    m_stats = window;
    m_statsWidget = window->Widget();
    window->SetStatsText(m_doc.GetStatisticsText());
    QWidget* widget = window->Widget();
    widget->show();
    // Its bottom-right corner on the frame's, keeping its size.
    const QRect frame = frameGeometry();
    const QRect own = widget->frameGeometry();
    widget->move(frame.right() - own.width() + 1, frame.bottom() - own.height() + 1);
}

// --- Files -------------------------------------------------------------------------------

void CMainFrame::SetDocumentName(const std::filesystem::path& path) {
    m_path = path;
    m_title = path.empty() ? std::string(kUntitled) : path.filename().string();
    m_doc.SetTitle(m_title);
    setWindowTitle(Text(m_title + " - Tav"));
}

void CMainFrame::DocumentReplaced() {
    m_modified = false;
    emit ProblemChanged();
    // The tree rebuilt itself when the model was replaced; its root shows the new name.
    m_tree->SetRootText(m_title);
    m_results->RefreshResults(0);
    if (m_results->IsGridMode()) m_results->ShowList();
    // The last run's words belong to the problem that is gone.
    SetStatusText(0, kReady);
    UpdateCommandStates();
}

void CMainFrame::ProblemReplaced() {
    // A new problem, not the file's: Save asks where to put it rather than overwrite the file.
    m_path.clear();
    if (!m_doc.GetTitle().empty()) m_title = m_doc.GetTitle();
    setWindowTitle(Text(m_title + " - Tav"));
    m_results->RefreshResults(0);
    if (m_results->IsGridMode()) m_results->ShowList();
    SetStatusText(0, kReady);
}

bool CMainFrame::ReplacingCommandMayRun(CommandId id) {
    return !kReplaceTheProblem.contains(id) || SaveModified();
}

bool CMainFrame::SaveModified() {
    if (!m_modified) return true;
    switch (m_prompts.AskSaveChanges(m_title)) {
    case UiPrompts::SaveAnswer::Save:
        return SaveDocument();
    case UiPrompts::SaveAnswer::Discard:
        return true;
    case UiPrompts::SaveAnswer::Cancel:
        return false;
    }
    return false;
}

bool CMainFrame::NewDocument() {
    if (!SaveModified()) return false;
    m_doc.OnNewDocument();
    SetDocumentName({});
    DocumentReplaced();
    return true;
}

bool CMainFrame::OpenDocument(const std::filesystem::path& path) {
    if (!SaveModified()) return false;
    try {
        m_doc.OnOpenDocument(path);
    } catch (const std::exception& e) {
        m_prompts.ShowError(e.what());
        return false;
    }
    SetDocumentName(path);
    if (m_recent != nullptr) {
        m_recent->Add(Text(path.string()));
        RebuildRecentFiles();
    }
    DocumentReplaced();
    return true;
}

bool CMainFrame::SaveDocument() {
    if (m_path.empty()) return SaveDocumentAs();
    try {
        m_doc.OnSaveDocument(m_path);
    } catch (const std::exception& e) {
        m_prompts.ShowError(e.what());
        return false;
    }
    m_modified = false;
    m_tree->SetRootText(m_title);
    if (m_recent != nullptr) {
        m_recent->Add(Text(m_path.string()));
        RebuildRecentFiles();
    }
    return true;
}

bool CMainFrame::SaveDocumentAs() {
    const bool named = m_title.size() > 4 && m_title.compare(m_title.size() - 4, 4, ".tav") == 0;
    const std::string suggested = !m_path.empty() ? m_path.string() : named ? m_title : m_title + ".tav";
    const auto path = m_prompts.ChooseSaveFile("Tav Files (*.tav)", suggested, "tav");
    if (!path) return false;
    const std::filesystem::path old = m_path;
    SetDocumentName(*path);
    if (!SaveDocument()) {
        SetDocumentName(old);
        return false;
    }
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    // Set Parameters changes them for this session only until Save Parameters writes them.
    if (m_doc.AreParametersChanged() && m_prompts.Ask(kSaveParametersQuestion)) m_doc.SaveParameters();
    if (m_statsWidget) m_statsWidget->close();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !event->mimeData()->urls().isEmpty() &&
        event->mimeData()->urls().front().isLocalFile())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    activateWindow();
    OpenDocument(urls.front().toLocalFile().toStdString());
}

// --- Commands ----------------------------------------------------------------------------

void CMainFrame::SearchTime() {
    ElementActions* provider = m_providers.For(CommandId::SearchTime);
    if (provider == nullptr) return;
    // Whole minutes in the dialog, rounded down.
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(m_doc.GetSearchTimeLimit());
    const std::optional<int> chosen = provider->AskSearchMinutes(this, static_cast<int>(minutes.count()));
    if (chosen) m_doc.SetSearchTimeLimit(std::max(std::chrono::minutes(*chosen), std::chrono::minutes(0)));
}

void CMainFrame::Solve(int count) {
    m_session->Start(m_doc.GetSolveSettings(count));
}

void CMainFrame::NumberOfSolutions() {
    ElementActions* provider = m_providers.For(CommandId::NumberOfSolutions);
    if (provider == nullptr) return;
    const std::optional<int> count = provider->AskSolutionCount(this);
    if (count) Solve(*count);
}

void CMainFrame::SaveResults() {
    const auto path = m_prompts.ChooseSaveFile("Comma Separated Files (*.csv)", "", "csv");
    if (!path) return;
    const bool headings = m_prompts.Ask("Include Headings in File");
    TavWorkbench::SaveResults(m_doc, *path, headings);
}

bool CMainFrame::OnCommand(CommandId id) {
    if (!StateOf(id, Context()).enabled) return false;
    switch (id) {
    case CommandId::FileNew:
        NewDocument();
        break;
    case CommandId::FileOpen:
        if (const auto path = m_prompts.ChooseOpenFile("Tav Files (*.tav)")) OpenDocument(*path);
        break;
    case CommandId::FileSave:
        SaveDocument();
        break;
    case CommandId::FileSaveAs:
        SaveDocumentAs();
        break;
    case CommandId::FilePrint:
        m_results->Print();
        break;
    case CommandId::FilePrintPreview:
        m_results->PrintPreview();
        break;
    case CommandId::AppExit:
        close();
        break;
    case CommandId::EditCopy:
        m_results->Copy();
        break;
    case CommandId::PrinterFont:
        m_results->ChoosePrinterFont();
        break;
    case CommandId::ViewNormal:
        m_results->ShowList();
        break;
    case CommandId::ViewGrid:
        m_results->ShowGrid();
        break;
    case CommandId::ViewStatistics:
        ShowStatisticsWindow();
        break;
    case CommandId::ViewExternalResults:
        if (m_external != nullptr) m_external->ShowExternalSolutions(this);
        break;
    case CommandId::ExternalSolver:
        if (m_external != nullptr) m_external->ChooseExternalSolver(this);
        break;
    case CommandId::FirstSolution:
        Solve(1);
        break;
    case CommandId::AllSolutions:
        Solve(-1);
        break;
    case CommandId::NumberOfSolutions:
        NumberOfSolutions();
        break;
    case CommandId::StopSolving:
        m_session->Stop();
        break;
    case CommandId::AddTotal:
        m_results->AddTotal();
        break;
    case CommandId::PlayDemo:
        m_prompts.Show("This feature is not currently available");
        break;
    case CommandId::GoFirstSolution:
        m_results->GoFirstSolution();
        break;
    case CommandId::GoPreviousSolution:
        m_results->GoPreviousSolution();
        break;
    case CommandId::GoNextSolution:
        m_results->GoNextSolution();
        break;
    case CommandId::GoLastSolution:
        m_results->GoLastSolution();
        break;
    case CommandId::SolutionCost:
        break;
    case CommandId::SolverGFC:
    case CommandId::SolverGLS:
    case CommandId::SolverGLS2:
    case CommandId::SolverGA:
    case CommandId::SolverTabu:
    case CommandId::SolverExpert:
        m_doc.SetSolverSetting(SettingOf(id));
        break;
    case CommandId::SaveParameters:
        m_doc.SaveParameters();
        break;
    case CommandId::SearchTime:
        SearchTime();
        break;
    case CommandId::SaveResults:
        SaveResults();
        break;
    case CommandId::About: {
        CAboutDlg about(this);
        about.exec();
        break;
    }
    case CommandId::HelpTopics:
    case CommandId::DefaultHelp:
        TavHelp::GuideWindow::Open(this);
        break;
    case CommandId::Help:
        // The part of this window that had the focus last, even while the guide has it now.
        TavHelp::ContextHelp::ShowFor(focusWidget() != nullptr ? focusWidget() : this);
        break;
    case CommandId::ContextHelp:
        TavHelp::ContextHelp::EnterWhatsThisMode();
        break;
    default:
        // The element commands, the Options dialogs, the wizards and templates.
        if (!ReplacingCommandMayRun(id)) break;
        m_tree->RunElementCommand(id);
        // A wizard or template may have named the problem.
        if (!m_doc.GetTitle().empty() && m_doc.GetTitle() != m_title) {
            m_title = m_doc.GetTitle();
            setWindowTitle(Text(m_title + " - Tav"));
        }
        break;
    }
    UpdateCommandStates();
    return true;
}

} // namespace TavWorkbench::Ui
