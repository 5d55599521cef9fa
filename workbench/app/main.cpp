// tav: the workbench. With --automation or --embedding it runs without a window (and without a
// display), serving the automation interface on the D-Bus session bus.

#include "platform/ToolkitOptions.hpp"
#include "platform/Version.hpp"
#include "workbench/app/CTavApp.hpp"
#include "workbench/app/CommandLine.hpp"

#include <QApplication>
#include <QCoreApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    using namespace TavWorkbench::App;
    // The options are read before Qt starts, so that --help, --version and a bad option need no
    // display; Qt's own options (-platform, -style, ...) are left to Qt.
    const std::vector<std::string> own = Platform::WithoutToolkitOptions({argv + 1, argv + argc});
    std::string error;
    const std::optional<CommandLine> line = ParseCommandLine(own, error);
    if (!line) {
        std::cerr << "tav: " << error << "\n\n" << CommandLineHelp();
        return 2;
    }
    if (line->help) {
        std::cout << CommandLineHelp();
        return 0;
    }
    if (line->version) {
        std::cout << "tav " << Platform::kVersion << '\n';
        return 0;
    }
    // Automation needs no display.
    std::unique_ptr<QCoreApplication> application;
    if (line->ServesAutomationOnly()) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        auto gui = std::make_unique<QApplication>(argc, argv);
        gui->setApplicationDisplayName("Tav");
        gui->setDesktopFileName("tav");
        application = std::move(gui);
    }
    QCoreApplication::setApplicationName("Tav");
    QCoreApplication::setApplicationVersion(Platform::kVersion);

    int status = 1;
    {
        CTavApp app;
        if (app.InitInstance(*line)) status = QCoreApplication::exec();
    }
    return status;
}
