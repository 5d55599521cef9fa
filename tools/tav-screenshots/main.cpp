// tav-screenshots DOCUMENT OUTDIR: shows the workbench's main window on DOCUMENT at 1280x800,
// solves it for all solutions, and saves the screen as PNG files in OUTDIR: the tree with the
// first solution listed, then the grid of all solutions. Meant for a virtual X server
// (tools/screenshots); the pictures are for people, not for tests.

#include "workbench/CTavDoc.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/CDavView.hpp"
#include "workbench/ui/CMainFrame.hpp"
#include "workbench/ui/CSplashWnd.hpp"
#include "workbench/ui/CTavView.hpp"
#include "workbench/ui/QtPrompts.hpp"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>

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
    CTavDoc doc(&prompts, QDir::tempPath().toStdString());
    doc.OnNewDocument();
    Ui::CMainFrame frame(doc, prompts, providers, nullptr, nullptr);
    prompts.SetOwner(&frame);
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frame.show();
    if (!frame.OpenDocument(argv[1])) return 1;
    frame.TreeView().expandAll();

    frame.OnCommand(CommandId::FirstSolution);
    while (doc.IsSolving())
        Settle(50);
    Settle(500);
    if (!Shoot(outdir + "/tav-list.png")) return 1;

    // Complete search without its thrashing stop: the grid shows every solution.
    doc.GetParameterBlock(0).SetParameter(2, 0);
    frame.OnCommand(CommandId::ViewGrid);
    frame.OnCommand(CommandId::AllSolutions);
    while (doc.IsSolving())
        Settle(50);
    Settle(500);
    if (!Shoot(outdir + "/tav-grid.png")) return 1;
    return 0;
}
