#pragma once
// An integer constant in its dialog: an id and a number.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CConstant.hpp"

#include <memory>
#include <string>

namespace TavDialogs {

class IntConstModel {
public:
    enum class Field { None, ID, Value };

    explicit IntConstModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes the constant at `index`, in `mode` (Edit or ViewOnly).
    void Load(const TavWorkbench::CConstant& constant, int index, DialogMode mode);

    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    std::string id;
    std::string valueText = "0";

    // The number must be an integer ("Please enter an integer."), then the id checks ("An ID is
    // required", ...).
    bool OnOK(DialogMessages& messages);
    int GetValue() const { return m_value; }
    std::unique_ptr<TavWorkbench::CConstant> MakeConstant() const;

    bool IsReadOnly() const { return m_mode == DialogMode::ViewOnly; }
    std::string CancelText() const { return CancelCaption(m_mode); }
    Field GetFocus() const { return m_focus; }

private:
    ProblemRefs m_refs;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    int m_value = 0;
    Field m_focus = Field::ID;
};

} // namespace TavDialogs
