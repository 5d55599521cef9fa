#include "workbench/app/CommandLine.hpp"

namespace TavWorkbench::App {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string& error) {
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded &&
                   (argument == "--automation" || argument == "-automation" || argument == "/Automation")) {
            line.automation = true;
            line.showSplash = false;
        } else if (!optionsEnded &&
                   (argument == "--embedding" || argument == "-embedding" || argument == "/Embedding")) {
            line.embedding = true;
            line.showSplash = false;
        } else if (!optionsEnded && (argument == "--nologo" || argument == "/nologo")) {
            line.showSplash = false;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            line.help = true;
        } else if (!optionsEnded && argument == "--version") {
            line.version = true;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            error = "unknown option " + argument;
            return std::nullopt;
        } else if (line.file.empty()) {
            line.file = argument;
        } else {
            error = "only one document can be opened: " + argument;
            return std::nullopt;
        }
    }
    return line;
}

std::string CommandLineHelp() {
    return "Usage: tav [--nologo] [FILE.tav]\n"
           "       tav --automation | --embedding\n"
           "\n"
           "  FILE.tav       open this document (a new one when none is given)\n"
           "  --nologo       start without the splash window\n"
           "  --automation   serve the automation interface on the D-Bus session bus\n"
           "                 (service org.tav.Workbench, object /Document, interface\n"
           "                 org.tav.Document) with no window and no result server; it ends\n"
           "                 when its callers have left unless one changed the document,\n"
           "                 after 5 minutes without a call, or with the session\n"
           "  --embedding    the same as --automation\n"
           "  --help         this text\n"
           "  --version      the version\n"
           "  --             ends the options (a document whose name starts with -)\n";
}

} // namespace TavWorkbench::App
