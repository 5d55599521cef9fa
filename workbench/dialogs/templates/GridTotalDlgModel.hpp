#pragma once
// The rows whose values the results grid totals ("Add Row Values "): from and to, each within
// the caller's bounds.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>

namespace TavDialogs {

class GridTotalDlgModel {
public:
    static constexpr const char* kTitle = "Add Row Values ";
    enum class Field { FromRow, ToRow };

    GridTotalDlgModel(int lower, int upper) : m_lower(lower), m_upper(upper) {}

    std::string fromText;
    std::string toText;
    // Each a whole number within lower .. upper (the framework's range text otherwise).
    bool OnOK(DialogMessages& messages);
    Field Focus() const { return m_focus; }
    int GetFrom() const { return m_from; }
    int GetTo() const { return m_to; }

private:
    int m_lower;
    int m_upper;
    Field m_focus = Field::FromRow;
    int m_from = 0;
    int m_to = 0;
};

} // namespace TavDialogs
