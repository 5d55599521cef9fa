#pragma once
// An enumerated domain in its dialog: an id and value names, compared ignoring case and kept
// in the case typed, in the order shown (dragging an entry reorders the values too).

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CEnumDomain.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

class EnumDlgModel {
public:
    enum class Field { None, ID, ValueList, NewValue };

    // A new domain; Load switches to editing or showing one.
    explicit EnumDlgModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes id and values of the domain at `index`, in `mode` (Edit or ViewOnly).
    void Load(const TavWorkbench::CEnumDomain& domain, int index, DialogMode mode);

    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    std::string id;
    std::vector<std::string> values;
    std::string newValue;

    // Any change of the new-value box: "Add To List" is enabled exactly when it holds text.
    void OnNewValueChanged() { m_addEnabled = !newValue.empty(); }
    // "Add To List" (or Enter): appends the new value unless a value equals it ignoring case
    // ("Alrady There"); the box is emptied after an append.
    void OnAddValue(DialogMessages& messages);
    // Double-click: removes the value shown at `row`.
    void OnRemoveValue(int row);
    // A drag moved the entry at `from` to `to` (both rows of the list as shown).
    void OnMoveValue(int from, int to);

    // The acceptance checks; true when the dialog may close with OK.
    bool OnOK(DialogMessages& messages);
    // The domain as accepted.
    std::unique_ptr<TavWorkbench::CEnumDomain> MakeDomain() const;

    bool IsAddEnabled() const { return m_addEnabled; }
    bool IsReadOnly() const { return m_mode == DialogMode::ViewOnly; }
    std::string CancelText() const { return CancelCaption(m_mode); }
    // The field to focus after the last handler.
    Field GetFocus() const { return m_focus; }

private:
    ProblemRefs m_refs;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    std::string m_originalID;
    bool m_addEnabled = false;
    Field m_focus = Field::ID;
};

} // namespace TavDialogs
