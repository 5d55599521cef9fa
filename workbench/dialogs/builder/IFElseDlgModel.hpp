#pragma once
// The if/else templates offered beside the constraint builder: four templates chosen by radio
// buttons, the chosen one shown; "Apply" hands the shown text to the builder.

#include <string>
#include <vector>

namespace TavDialogs {

class IFElseDlgModel {
public:
    // The four templates, every line ended by "\r\n".
    static std::vector<std::string> Templates();
    // The radio buttons' captions, in order.
    static std::vector<std::string> Choices();
    // The dialog's help texts.
    static std::vector<std::string> HelpTexts();

    // A radio button clicked: its template is shown.
    void OnChoose(int choice);
    int GetChoice() const { return m_choice; }
    const std::string& ShownText() const { return m_shown; }

private:
    int m_choice = 0;
    std::string m_shown = Templates().front();
};

} // namespace TavDialogs
