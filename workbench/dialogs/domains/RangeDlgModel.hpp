#pragma once
// A set domain's values given as an arithmetic range: From, From+Step, ... up to To.

#include "workbench/dialogs/DialogMessages.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class RangeDlgModel {
public:
    enum class Field { None, From, To, Step };

    std::string fromText = "0";
    std::string toText = "0";
    // Digits only.
    std::string stepText = "1";

    // The acceptance checks, ending with the question "Place <n> values in Set"; a step below 1
    // is refused ("Please enter an integer not less than  1").
    bool OnOK(DialogMessages& messages);
    // The values of the last accepted range.
    const std::vector<int>& GetValues() const { return m_values; }
    int GetFrom() const { return m_from; }
    int GetTo() const { return m_to; }
    int GetStep() const { return m_step; }
    Field GetFocus() const { return m_focus; }

private:
    int m_from = 0;
    int m_to = 0;
    int m_step = 1;
    std::vector<int> m_values;
    Field m_focus = Field::From;
};

} // namespace TavDialogs
