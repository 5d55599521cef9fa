// melvane: the external solver program. Opens its dialog with the fields at their defaults
// (or as the options give them), optionally connects at once and takes the Slave role.

#include "extsolver/CMelvaneApp.hpp"
#include "extsolver/melvane/CMelvaneDlg.hpp"
#include "platform/ToolkitOptions.hpp"
#include "platform/Version.hpp"

#include <QApplication>
#include <QCommandLineParser>
#include <QHostInfo>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <string>

using Melvane::MelvaneButton;

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("Melvane");
    QCoreApplication::setApplicationVersion(Platform::kVersion);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Melvane: solves the problems of a Tav workbench by guided local search.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
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
    // The options are read before Qt starts, so that --help, --version and a bad option need no
    // display; Qt's own options (-platform, -style, ...) are left to Qt.
    QStringList arguments{QString::fromLocal8Bit(argv[0])};
    for (const std::string& argument : Platform::WithoutToolkitOptions({argv + 1, argv + argc}))
        arguments << QString::fromLocal8Bit(argument.c_str());
    const bool parsed = parser.parse(arguments);
    const bool extra = parsed && !parser.positionalArguments().isEmpty();
    if (!parsed || extra || parser.isSet(help) || parser.isSet("help-all") || parser.isSet(version)) {
        if (parsed && !extra && parser.isSet(version)) {
            std::printf("melvane %s\n", Platform::kVersion);
            return 0;
        }
        // The usage text needs the program's name from an application object, not a display.
        const QCoreApplication textOnly(argc, argv);
        const QString usage = parser.helpText();
        if (!parsed || extra) {
            const QString why =
                extra ? "unexpected argument " + parser.positionalArguments().front() : parser.errorText();
            std::fprintf(stderr, "melvane: %s\n\n%s", qPrintable(why), qPrintable(usage));
            return 2;
        }
        std::printf("%s", qPrintable(usage));
        return 0;
    }
    QApplication application(argc, argv);

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
