#pragma once
// A wizard page that shows a list of the problem's items (one row per item, in columns) with
// hint lines above it and a row of buttons below; a double-click on a row edits that item.
// Each button's action and the edit are the page model's; the page refreshes after each.

#include "workbench/dialogs/widgets/WizardPage.hpp"

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QHBoxLayout;
class QTreeWidget;

namespace TavDialogs {

class ListPage : public WizardPage {
    Q_OBJECT
public:
    // `listName` is the list's object name; `columns` its headings.
    ListPage(const QString& caption, const QStringList& hints, const QString& listName,
             const std::vector<std::string>& columns, std::function<void(int row)> edit, QWidget* parent);

protected:
    // A button named `name` below the list that runs `action`, then refreshes the page.
    void AddButton(const char* text, const char* name, std::function<void()> action);
    // The selected row, -1 when none.
    int SelectedRow() const;
    // Replaces the list's rows.
    void ShowRows(const std::vector<QStringList>& rows);

private:
    QTreeWidget* m_list;
    QHBoxLayout* m_buttons;
};

} // namespace TavDialogs
