#pragma once
// The three modes of an element dialog: a new element, an existing one edited (its index given),
// or one only shown (boxes read-only, the accepting button hidden, Cancel reading "Close").

#include <string>

namespace TavDialogs {

enum class DialogMode { New, Edit, ViewOnly };

// The caption of the Cancel button in a mode.
inline std::string CancelCaption(DialogMode mode) {
    return mode == DialogMode::ViewOnly ? "Close" : "Cancel";
}

} // namespace TavDialogs
