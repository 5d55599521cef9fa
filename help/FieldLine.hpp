#pragma once
// One line of What's This help for a field of a dialog, keyed by the field widget's object name.
// Each dialog keeps a table of these beside the code that builds its fields.

namespace TavHelp {

struct FieldLine {
    const char* field; // the widget's object name
    const char* line;  // what the field is for, in one sentence
};

} // namespace TavHelp
