#include "platform/ToolkitOptions.hpp"

#include <algorithm>
#include <iterator>

namespace Platform {

namespace {

// Options of the toolkit's applications that take a value, as the next argument or after "=".
constexpr const char* kWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowicon",
    "icon",
    "qwindowtitle",
    "title",
    "session",
    "display",
    "name",
    "style",
    "stylesheet",
    "qmljsdebugger",
    "fn",
    "font",
    "bg",
    "background",
    "fg",
    "foreground",
    "btn",
    "button",
};
// Options that stand alone.
constexpr const char* kFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

bool Listed(const std::string& name, const auto& list) {
    return std::any_of(std::begin(list), std::end(list), [&](const char* entry) { return name == entry; });
}

} // namespace

std::vector<std::string> WithoutToolkitOptions(const std::vector<std::string>& arguments) {
    std::vector<std::string> own;
    bool ended = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (ended || argument.size() < 2 || argument[0] != '-' || argument == "--") {
            ended = ended || argument == "--";
            own.push_back(argument);
            continue;
        }
        // The toolkit takes "-name" and "--name" alike.
        std::string name = argument.substr(argument[1] == '-' ? 2 : 1);
        const auto equals = name.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) name.resize(equals);
        if (Listed(name, kWithValue)) {
            if (!inlineValue && i + 1 < arguments.size()) ++i;
        } else if (!(Listed(name, kFlags) && !inlineValue)) {
            own.push_back(argument);
        }
    }
    return own;
}

} // namespace Platform
