// tav-screenshots DOCUMENT OUTDIR: shows the workbench's main window on DOCUMENT at the screen's
// size with the providers `tav` registers, solves it, and saves the screen as PNG files in
// OUTDIR: the tree with the first solution listed, the grid of all solutions, the tree's pop-up
// menu, each menu of the menu bar, the Add Variable dialog, the time-limit dialog and the about
// box. Meant for a virtual X server (tools/screenshots); the pictures are for people, not tests.

#include "workbench/CTavDoc.hpp"
#include "workbench/app/Providers.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"
#include "workbench/ui/CTavView.hpp"
#include "workbench/ui/QtPrompts.hpp"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <functional>
#include <iostream>

using namespace TavWorkbench;

namespace {

void Settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool Shoot(const QString& file) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return false;
    const QPixmap picture = screen->grabWindow(0);
    if (!picture.save(file)) return false;
    std::cout << file.toStdString() << " (" << picture.width() << "x" << picture.height() << ")\n";
    return true;
}

QWidget* OpenWindow() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    return QApplication::activeModalWidget();
}

// Runs `open`, which shows a modal dialog or a pop-up menu and waits in its own event loop;
// shoots the screen once the window is up and closes it again.
bool ShootWhileOpen(const QString& file, const std::function<void()>& open) {
    bool shot = false;
    QTimer::singleShot(0, [&] {
        QElapsedTimer waited;
        waited.start();
        while (OpenWindow() == nullptr && waited.elapsed() < 5000)
            Settle(50);
        QWidget* window = OpenWindow();
        if (window == nullptr) {
            std::cerr << file.toStdString() << ": no window opened\n";
            return;
        }
        Settle(400);
        shot = Shoot(file);
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    });
    open();
    Settle(200);
    return shot;
}

void WaitForSolve(const CTavDoc& doc) {
    while (doc.IsSolving())
        Settle(50);
    Settle(500);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationDisplayName("Tav");
    if (argc != 3) {
        std::cerr << "usage: tav-screenshots DOCUMENT OUTDIR\n";
        return 2;
    }
    const QString outdir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(outdir);
    Ui::CSplashWnd::EnableSplashScreen(false);
    Ui::QtPrompts prompts;
    Ui::ActionProviders providers;
    App::RegisterProviders(providers);
    // The settings files (Params.ini, expert.dat) go to a folder of this run's own.
    const QTemporaryDir settings;
    CTavDoc doc(&prompts, settings.path().toStdString());
    doc.OnNewDocument();
    Ui::CMainFrame frame(doc, prompts, providers, nullptr, nullptr);
    prompts.SetOwner(&frame);
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frame.show();
    if (!frame.OpenDocument(argv[1])) return 1;
    Ui::CDavView& tree = frame.TreeView();
    tree.expandAll();

    frame.OnCommand(CommandId::FirstSolution);
    WaitForSolve(doc);
    bool ok = Shoot(outdir + "/tav-list.png");

    // Complete search without its thrashing stop: the grid shows every solution.
    doc.GetParameterBlock(0).SetParameter(2, 0);
    frame.OnCommand(CommandId::ViewGrid);
    frame.OnCommand(CommandId::AllSolutions);
    WaitForSolve(doc);
    ok = Shoot(outdir + "/tav-grid.png") && ok;

    // The pop-up menu of the first variable.
    const QModelIndex variables = tree.model()->index(2, 0, tree.model()->index(0, 0));
    const QModelIndex variable = tree.model()->index(0, 0, variables);
    if (variable.isValid()) {
        tree.scrollTo(variable);
        const QPoint at = tree.visualRect(variable).center();
        ok = ShootWhileOpen(outdir + "/tav-tree-menu.png", [&] {
                 QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree.viewport()->mapToGlobal(at));
                 QApplication::sendEvent(tree.viewport(), &event);
             }) &&
             ok;
    }

    // Each menu of the menu bar dropped down.
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->menu() == nullptr) continue;
        const QString name = action->text().remove('&').toLower();
        const QPoint at = frame.menuBar()->mapToGlobal(frame.menuBar()->actionGeometry(action).bottomLeft());
        ok = ShootWhileOpen(outdir + "/tav-menu-" + name + ".png", [&] { action->menu()->exec(at); }) && ok;
    }

    frame.OnCommand(CommandId::ViewNormal);
    for (const auto& [command, file] : {std::pair{CommandId::AddVariable, "tav-add-variable.png"},
                                        std::pair{CommandId::SearchTime, "tav-search-time.png"},
                                        std::pair{CommandId::About, "tav-about.png"}}) {
        frame.UpdateCommandStates();
        if (!frame.Action(command)->isEnabled()) {
            std::cerr << file << ": the command is greyed: "
                      << frame.Action(command)->statusTip().toStdString() << '\n';
            ok = false;
            continue;
        }
        ok = ShootWhileOpen(outdir + "/" + file, [&, id = command] { frame.OnCommand(id); }) && ok;
    }
    return ok ? 0 : 1;
}
