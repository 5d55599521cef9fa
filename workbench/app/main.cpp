// tav: the workbench. With --automation or --embedding it runs without a window (and without a
// display), serving the automation interface on the D-Bus session bus.

#include "workbench/app/CTavApp.hpp"
#include "workbench/app/CommandLine.hpp"

#include <QApplication>
#include <QCoreApplication>

#include <iostream>
#include <memory>

namespace {

bool Has(const std::vector<std::string>& arguments, std::initializer_list<const char*> names) {
    for (const std::string& argument : arguments) {
        if (argument == "--") return false;
        for (const char* name : names)
            if (argument == name) return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    using namespace TavWorkbench::App;
    const std::vector<std::string> raw(argv + 1, argv + argc);
    if (Has(raw, {"--help", "-h"})) {
        std::cout << CommandLineHelp();
        return 0;
    }
    if (Has(raw, {"--version"})) {
        std::cout << "tav " << TAV_VERSION << '\n';
        return 0;
    }
    // Automation needs no display: the application type is chosen before Qt reads its options.
    const bool automationOnly =
        Has(raw, {"--automation", "-automation", "/Automation", "--embedding", "-embedding", "/Embedding"});
    std::unique_ptr<QCoreApplication> application;
    if (automationOnly) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        auto gui = std::make_unique<QApplication>(argc, argv);
        gui->setApplicationDisplayName("Tav");
        gui->setDesktopFileName("tav");
        application = std::move(gui);
    }
    QCoreApplication::setApplicationName("Tav");
    QCoreApplication::setApplicationVersion(TAV_VERSION);

    // Qt has taken its own options (-platform, -style, ...) out by now.
    std::vector<std::string> arguments;
    const QStringList remaining = QCoreApplication::arguments();
    for (qsizetype i = 1; i < remaining.size(); ++i)
        arguments.push_back(remaining[i].toStdString());
    std::string error;
    const std::optional<CommandLine> line = ParseCommandLine(arguments, error);
    if (!line) {
        std::cerr << "tav: " << error << "\n\n" << CommandLineHelp();
        return 2;
    }
    int status = 1;
    {
        CTavApp app;
        if (app.InitInstance(*line)) status = QCoreApplication::exec();
    }
    return status;
}
