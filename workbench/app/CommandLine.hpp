#pragma once
// The workbench's command line: a document to open, the automation flags (--automation,
// --embedding: serve automation only, no window, no result server) and --nologo (no splash).

#include <optional>
#include <string>
#include <vector>

namespace TavWorkbench::App {

struct CommandLine {
    std::string file;
    bool automation = false;
    bool embedding = false;
    bool showSplash = true;
    bool help = false;
    bool version = false;

    bool ServesAutomationOnly() const { return automation || embedding; }
};

// Reads the arguments after the program's name; nothing (with the reason in `error`) for an
// unknown option or a second file.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string& error);

// The text of --help.
std::string CommandLineHelp();

} // namespace TavWorkbench::App
