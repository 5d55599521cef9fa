#pragma once
// A string-list constant in its dialog: an id and entries in the order shown; dragging an entry
// reorders them. The value text joins the entries with "," (an entry holding a comma is kept in
// double quotes, so that it reads back as one entry).

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CConstant.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

class StringConstDlgModel {
public:
    enum class Field { None, ID, ValueList, NewValue };

    explicit StringConstDlgModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes the constant at `index`, its value text split into entries, in `mode`.
    void Load(const TavWorkbench::CConstant& constant, int index, DialogMode mode);

    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    std::string id;
    std::vector<std::string> entries;
    std::string newValue;

    // "Add To List" is enabled exactly while the new-value box holds text.
    bool IsAddEnabled() const { return !newValue.empty() && !IsReadOnly(); }
    // Appends the new value and empties the box; a value holding a double quote, which the
    // modelling language cannot hold in a string, is refused ("Remove any \" characters").
    void OnAddValue(DialogMessages& messages);
    // Double-click: deletes the entry at `row`.
    void OnRemoveValue(int row);
    // A drag moved the entry at `from` to `to`.
    void OnMoveValue(int from, int to);

    // The id checks ("An ID is required", ...).
    bool OnOK(DialogMessages& messages);
    // After OK: the entries joined into the value text.
    std::string GetValue() const;
    std::unique_ptr<TavWorkbench::CConstant> MakeConstant() const;

    bool IsReadOnly() const { return m_mode == DialogMode::ViewOnly; }
    std::string CancelText() const { return CancelCaption(m_mode); }
    Field GetFocus() const { return m_focus; }

private:
    ProblemRefs m_refs;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    Field m_focus = Field::ID;
};

} // namespace TavDialogs
