#pragma once
// One or several new variables, or one variable edited or shown: the ids (new mode takes a
// comma-separated list), the domain (picked from the list of domains; it fixes the type) and,
// for an array, its size: an integer constant or a dimensions text such as "3,4".

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CDomain.hpp"
#include "workbench/model/CVariable.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

class NewVarDlgModel {
public:
    // New: a list of ids. Edit: one id. EditFixedID: one id, read-only.
    enum class Mode { New = 0, Edit = 1, EditFixedID = 2 };
    enum class Field { None, ID, DomainList, Dimensions, SizeConst };

    // New variables.
    explicit NewVarDlgModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes the variable at `index` (mode Edit or EditFixedID); the dimensions become a text
    // joined by "," when no size constant gives the size.
    void Load(const TavWorkbench::CVariable& variable, int index, Mode mode);

    Mode GetMode() const { return m_mode; }
    // The constants the size box names.
    const TavWorkbench::CConstArray& Constants() const { return m_refs.constants; }
    int GetIndex() const { return m_index; }

    std::string id;
    // Read-only boxes, filled by the dialog itself.
    std::string domainID;
    std::string dataType;
    std::string sizeConstID;
    bool isArray = false;
    std::string dimensionsText;
    // The row selected in the domain list, -1 for none.
    int selectedDomain = -1;
    // Only shows: "New Domain" and OK disabled, Cancel reads "Close".
    bool closeOnly = false;

    // "<id>  (<type name>)" per domain, in array order.
    std::vector<std::string> DomainEntries() const;
    // Double-click on a domain row: it becomes the variable's domain.
    void OnDomainChosen(int row);
    // "Array" ticked or cleared; clearing empties the size constant and the dimensions.
    void OnArrayToggled(bool checked);
    // A size constant chosen with "...": the dimensions text is emptied.
    void OnChooseSizeConst(const std::string& constID);
    // The user typed in the dimensions box: the size constant is dropped.
    void OnDimensionsEdited() { sizeConstID.clear(); }
    // "...": the choice of an integer constant of value 1 or more as the size.
    void OnPickSizeConst(DialogHost& host, DialogMessages& messages);
    // "New Domain": the type choice and the domain's dialog; the domain accepted is appended to
    // the domains at once (the list grows, also when this dialog is then cancelled).
    void OnNewDomain(DialogHost& host);
    // "View Domain": "Select a Domain first" without a selection, the Boolean domain's values as
    // a message, else the selected domain's dialog read-only.
    void OnViewDomain(DialogHost& host, DialogMessages& messages);

    // The acceptance checks; true when the dialog may close with OK.
    bool OnOK(DialogMessages& messages);
    // After OK: the ids (one in the edit modes) and, for an array without a size constant, the
    // dimensions.
    const std::vector<std::string>& GetIDs() const { return m_ids; }
    const std::vector<int>& GetDimensions() const { return m_dimensions; }
    // After OK: the variables as accepted, one per id, typed by their domain.
    std::vector<std::unique_ptr<TavWorkbench::CVariable>> MakeVariables() const;
    // The edited variable in place of `edited`: the first name, of the chosen domain's type (of
    // `edited`'s own when that domain is not found).
    std::unique_ptr<TavWorkbench::CVariable> MakeEdited(const TavWorkbench::CVariable& edited) const;

    bool IsIDReadOnly() const { return m_mode == Mode::EditFixedID || closeOnly; }
    bool AllowsComma() const { return m_mode == Mode::New; }
    // The "..." button and the dimensions box.
    bool IsSizeEnabled() const { return isArray && !closeOnly; }
    bool IsOKEnabled() const { return !closeOnly; }
    std::string CancelText() const { return closeOnly ? "Close" : "Cancel"; }
    Field GetFocus() const { return m_focus; }

private:
    bool CheckOneID(DialogMessages& messages);
    bool CheckIDList(DialogMessages& messages);
    bool Refuse(DialogMessages& messages, const std::string& text, Field field,
                const std::string& caption = {});

    ProblemRefs m_refs;
    Mode m_mode = Mode::New;
    int m_index = -1;
    std::vector<std::string> m_ids;
    std::vector<int> m_dimensions;
    Field m_focus = Field::ID;
};

} // namespace TavDialogs
