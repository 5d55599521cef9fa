// melvane: the external solver program. Opens its dialog with the fields at their defaults
// (or as the options give them), optionally connects at once and takes the Slave role.

#include "extsolver/CMelvaneApp.hpp"
#include "extsolver/melvane/CMelvaneDlg.hpp"

#include <QApplication>
#include <QCommandLineParser>
#include <QHostInfo>
#include <QPushButton>
#include <QTimer>

#include <string>

using Melvane::MelvaneButton;

namespace {

// --help and --version need no display.
bool AsksForTextOnly(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

int Run(QCoreApplication& application);

} // namespace

int main(int argc, char* argv[]) {
    if (AsksForTextOnly(argc, argv)) {
        QCoreApplication application(argc, argv);
        return Run(application);
    }
    QApplication application(argc, argv);
    return Run(application);
}

namespace {

int Run(QCoreApplication& application) {
    QCoreApplication::setApplicationName("Melvane");
    QCoreApplication::setApplicationVersion("1.0");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Melvane: solves the problems of a Tav workbench by guided local search.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption server("server", "Server name (default: this machine's host name).", "name");
    const QCommandLineOption port("port", "Port number, 0 to 9999 (default 5000).", "number");
    const QCommandLineOption solver("solver", "Solver name announced to the server (default GLS).", "name");
    const QCommandLineOption solutions("solutions", "Number of solutions (runs), 0 to 9999 (default 1).",
                                       "number");
    const QCommandLineOption lambda("lambda", "Lambda, 0 to 99999 (default 10).", "number");
    const QCommandLineOption seed("seed", "Random seed, 0 to 99999 (default 2334).", "number");
    const QCommandLineOption optimise("optimise", "Objective weight, 0 to 99999 (default 2).", "number");
    const QCommandLineOption learning("learning", "Learning on or off (default on).", "on|off");
    const QCommandLineOption delta("delta", "Delta update on or off (default on).", "on|off");
    const QCommandLineOption approx("approx", "Approximate evaluation on or off (default off).", "on|off");
    const QCommandLineOption connectNow("connect", "Press Connect as the dialog opens.");
    const QCommandLineOption slave("slave", "Take the Slave role once connected.");
    parser.addOptions({server, port, solver, solutions, lambda, seed, optimise, learning, delta, approx,
                       connectNow, slave});
    parser.process(application);

    Melvane::CMelvaneApp app(QHostInfo::localHostName().toStdString());
    Melvane::MelvaneDlgModel& model = app.Dialog();
    auto text = [&](const QCommandLineOption& option, std::string& field) {
        if (parser.isSet(option)) field = parser.value(option).toStdString();
    };
    auto flag = [&](const QCommandLineOption& option, bool& field) {
        if (parser.isSet(option)) field = parser.value(option).compare("off", Qt::CaseInsensitive) != 0;
    };
    text(server, model.serverName);
    text(port, model.port);
    text(solver, model.solverName);
    text(solutions, model.solutions);
    text(lambda, model.lambda);
    text(seed, model.seed);
    text(optimise, model.optimise);
    flag(learning, model.learning);
    flag(delta, model.deltaUpdate);
    flag(approx, model.approxEvaluation);

    Melvane::CMelvaneDlg dialog(app);
    if (parser.isSet(connectNow)) {
        QTimer::singleShot(0, &dialog, [&] {
            dialog.Button(MelvaneButton::Connect)->click();
            if (parser.isSet(slave) && app.IsConnected()) dialog.Button(MelvaneButton::Master)->click();
        });
    }
    dialog.show();
    const int status = application.exec();
    app.ExitInstance();
    return status;
}

} // namespace
