#pragma once
// A set or list constant in its dialog: the elements of a set (typed as between "{" and "}")
// or of a list (as between "[" and "]"); a set text makes a set, else the list text a list.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CConstant.hpp"

#include <memory>
#include <optional>
#include <string>

namespace TavDialogs {

class ConstDlgModel {
public:
    enum class Field { None, ID, Set, List };
    // The longest list text the list box takes.
    static constexpr std::size_t kListLimit = 500000;

    explicit ConstDlgModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes the constant at `index` (a set or a list), in `mode` (Edit or ViewOnly); the box of
    // the other kind is disabled.
    void Load(const TavWorkbench::CConstant& constant, int index, DialogMode mode);

    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    std::string id;
    std::string setText;
    std::string listText;

    // The id checks ("Please enter a Constant ID", ...), then "Please enter a list, or a set" and
    // the bracket rules of a set text (the caret then marks the fault).
    bool OnOK(DialogMessages& messages);
    // After OK: a set or a list, and the value text.
    TavWorkbench::CConstant::Type GetType() const {
        return setText.empty() ? TavWorkbench::CConstant::Type::List : TavWorkbench::CConstant::Type::Set;
    }
    std::string GetValue() const { return setText.empty() ? listText : setText; }
    std::unique_ptr<TavWorkbench::CConstant> MakeConstant() const;

    bool IsSetEnabled() const { return m_editedType != TavWorkbench::CConstant::Type::List; }
    bool IsListEnabled() const { return m_editedType != TavWorkbench::CConstant::Type::Set; }
    bool IsReadOnly() const { return m_mode == DialogMode::ViewOnly; }
    std::string CancelText() const { return CancelCaption(m_mode); }
    Field GetFocus() const { return m_focus; }
    // Where the caret goes in the Set box after a bracket refusal, -1 for nowhere.
    int GetCaret() const { return m_caret; }

private:
    ProblemRefs m_refs;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    // Empty for a new constant.
    std::optional<TavWorkbench::CConstant::Type> m_editedType;
    Field m_focus = Field::ID;
    int m_caret = -1;
};

} // namespace TavDialogs
