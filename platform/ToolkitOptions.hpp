#pragma once
// The options the window toolkit takes from a program's command line for itself (-platform
// NAME, -style=NAME, -reverse, ...). A program that reads its own options before the toolkit
// starts skips these, so that --help, --version and a bad option need no display.

#include <string>
#include <vector>

namespace Platform {

// The arguments after the program's name without the toolkit's options (each with its value).
// Nothing is taken out after "--", which ends the options.
std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments);

} // namespace Platform
