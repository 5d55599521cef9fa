#pragma once
// A constraint template offered by the constraint builder: a name, the constraint text with
// gaps (placeholders between the bytes 0xAB and 0xBB), a help text id and a category.
// Templates are never stored in documents.

#include <string>

namespace TavWorkbench {

class CAvailCon {
public:
    // The builder's groups of templates.
    enum class Category { General, Comparison, SetConstraint };

    CAvailCon() = default;
    CAvailCon(std::string name, std::string templateText, Category category, int helpID)
        : m_name(std::move(name)), m_template(std::move(templateText)), m_helpID(helpID),
          m_category(category) {}

    const std::string& GetName() const { return m_name; }
    // Empty in every template.
    const std::string& GetSecondText() const { return m_secondText; }
    const std::string& GetTemplate() const { return m_template; }
    // Id of the help text (1158, 1159), -1 for none.
    int GetHelpID() const { return m_helpID; }
    Category GetCategory() const { return m_category; }

    // The help text of a help id; empty for -1 and unknown ids.
    static std::string GetHelpText(int helpID);

private:
    std::string m_name;
    std::string m_secondText;
    std::string m_template;
    int m_helpID = -1;
    Category m_category = Category::General;
};

} // namespace TavWorkbench
