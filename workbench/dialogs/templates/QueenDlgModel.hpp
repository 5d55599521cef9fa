#pragma once
// The number of queens for the N-queens template: 4 to 30.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class QueenDlgModel {
public:
    static constexpr const char* kTitle = "Queens Problem";
    static constexpr int kDefault = 8;

    std::string queensText = std::to_string(kDefault);
    // The number read, then at least 1 (the minimum check), then "There is no solution with\n
    // less than 4 Queens" below 4 and "Too many Queens" above 30; the focus stays on the box.
    bool OnOK(DialogMessages& messages);
    int GetQueens() const { return m_queens; }

private:
    int m_queens = kDefault;
};

} // namespace TavDialogs
