#pragma once
// An integer domain in its dialog. It holds either a range or a value list, never both: a range
// has two bounds, each typed (Min, Max) or taken from an integer constant plus an offset; a
// value list is typed values (ascending, no duplicates) or the id of a list constant.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CIntDomain.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

class NumDlgModel {
public:
    enum class Field { None, ID, Min, Max, MinOffset, MaxOffset, ValueList, NewValue };

    // A new domain: every box empty, both offsets "0" and disabled.
    explicit NumDlgModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes the domain at `index`, in `mode` (Edit or ViewOnly): a bound goes into Min or Max only
    // when no list constant, no constant for that bound and no values define the domain.
    void Load(const TavWorkbench::CIntDomain& domain, int index, DialogMode mode);

    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    std::string id;
    std::string minText;
    std::string maxText;
    std::string minConstID;
    std::string maxConstID;
    std::string listConstID;
    std::string minOffsetText = "0";
    std::string maxOffsetText = "0";
    std::vector<int> values;
    std::string newValue;
    // Disables OK and renames Cancel "Close" (set by callers that only show).
    bool closeOnly = false;

    // The user typed in Min: its constant is dropped, its offset reset and disabled, and the
    // value list emptied. OnMaxEdited the same for Max.
    void OnMinEdited();
    void OnMaxEdited();
    // "Add To List" (or Enter): "Please enter an integer", "Already there"; afterwards the range
    // boxes, the three constant ids and both offsets are reset.
    void OnAddValue(DialogMessages& messages);
    // Double-click: removes the value at `row`.
    void OnRemoveValue(int row);
    // A constant chosen for a bound ("..."): the bound's box and the list are emptied and its
    // offset enabled.
    void OnChooseMinConst(const std::string& constID);
    void OnChooseMaxConst(const std::string& constID);
    // A list constant chosen: the range boxes and the value list are emptied, offsets disabled.
    void OnChooseListConst(const std::string& constID);
    // The "..." buttons: the choice of an integer constant for a bound, or of a list constant;
    // "No Integer Constants Found" or "No List Constants Found" when there is none.
    enum class ConstBox { Min, Max, List };
    void OnPickConst(ConstBox box, DialogHost& host, DialogMessages& messages);

    // The acceptance checks; true when the dialog may close with OK.
    bool OnOK(DialogMessages& messages);
    // The domain as accepted; a bound from a constant is its value plus the offset.
    std::unique_ptr<TavWorkbench::CIntDomain> MakeDomain() const;
    int GetLower() const { return m_lower; }
    int GetUpper() const { return m_upper; }

    bool IsMinOffsetEnabled() const { return m_minOffsetEnabled; }
    bool IsMaxOffsetEnabled() const { return m_maxOffsetEnabled; }
    bool IsReadOnly() const { return m_mode == DialogMode::ViewOnly; }
    bool IsOKEnabled() const { return !IsReadOnly() && !closeOnly; }
    std::string CancelText() const { return IsOKEnabled() ? "Cancel" : "Close"; }
    // The list box's entries ("%ld" of each value).
    std::vector<std::string> Entries() const;
    Field GetFocus() const { return m_focus; }

private:
    void ResetOffsets();

    ProblemRefs m_refs;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    std::string m_originalID;
    bool m_minOffsetEnabled = false;
    bool m_maxOffsetEnabled = false;
    int m_lower = 0;
    int m_upper = 0;
    int m_minOffset = 0;
    int m_maxOffset = 0;
    Field m_focus = Field::ID;
};

} // namespace TavDialogs
