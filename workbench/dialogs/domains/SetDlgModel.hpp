#pragma once
// A set domain in its dialog: an id and integers kept ascending without duplicates, added one
// at a time or replaced by a range.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CSetDomain.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

class SetDlgModel {
public:
    enum class Field { None, ID, ValueList, NewValue };

    explicit SetDlgModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes id and values of the domain at `index`, in `mode` (Edit or ViewOnly).
    void Load(const TavWorkbench::CSetDomain& domain, int index, DialogMode mode);

    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    std::string id;
    std::vector<int> values;
    std::string newValue;

    // "Add To List" (or Enter): "Please enter a positive integer" for a text that is no integer,
    // "Already there" for a value present; the box is emptied.
    void OnAddValue(DialogMessages& messages);
    // Double-click: removes the value at `row`.
    void OnRemoveValue(int row);
    // "Enter Via a Range": on OK of the range dialog the values become the range's.
    void OnEnterViaRange(DialogHost& host);

    bool OnOK(DialogMessages& messages);
    std::unique_ptr<TavWorkbench::CSetDomain> MakeDomain() const;

    // The list box's entries ("%ld" of each value).
    std::vector<std::string> Entries() const;
    bool IsReadOnly() const { return m_mode == DialogMode::ViewOnly; }
    std::string CancelText() const { return CancelCaption(m_mode); }
    Field GetFocus() const { return m_focus; }

private:
    ProblemRefs m_refs;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    std::string m_originalID;
    Field m_focus = Field::ID;
};

// Inserts `value` before the first larger one; false (nothing inserted) when it is present.
bool InsertSorted(std::vector<int>& values, int value);

} // namespace TavDialogs
