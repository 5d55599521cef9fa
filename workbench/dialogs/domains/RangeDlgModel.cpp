#include "workbench/dialogs/domains/RangeDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"

namespace TavDialogs {

bool RangeDlgModel::OnOK(DialogMessages& messages) {
    int from = 0;
    int to = 0;
    int step = 0;
    m_focus = Field::From;
    if (!ReadIntField(fromText, from, messages)) return false;
    m_focus = Field::To;
    if (!ReadIntField(toText, to, messages)) return false;
    m_focus = Field::Step;
    if (!ReadIntField(stepText, step, messages)) return false;
    // A step of zero or below would never reach To.
    if (!TavWorkbench::DDV_MinUInt(step < 1 ? 0u : static_cast<unsigned>(step), 1, messages)) return false;
    const auto refuse = [&](const std::string& text, Field field) {
        messages.ShowBox(text, {});
        m_focus = field;
        return false;
    };
    if (to < from) return refuse("To is less than From", Field::From);
    if (to >= 10000000) return refuse("To is too big", Field::To);
    if (to < -9999999) return refuse("To is too small", Field::To);
    if (from >= 10000000) return refuse("From is too big", Field::From);
    if (from <= -10000000) return refuse("From is too small", Field::From);
    if (step > 1000000) return refuse("Step too large", Field::Step);
    const long long count = (static_cast<long long>(to) - from) / step + 1;
    if (count >= 10000)
        return refuse("Proposed set of " + std::to_string(count) + "\nis too large", Field::To);
    std::string question = "Place " + std::to_string(count) + " values in Set";
    if (count > 1000) question += "\nThe set is rather large\n Continue";
    if (!messages.AskBox(question, {})) return false;
    m_from = from;
    m_to = to;
    m_step = step;
    m_values.clear();
    for (long long value = from; value <= to; value += step)
        m_values.push_back(static_cast<int>(value));
    return true;
}

} // namespace TavDialogs
