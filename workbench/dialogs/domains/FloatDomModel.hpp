#pragma once
// A float domain in its dialog: an id and a real interval, both bounds typed.

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CDoubleDomain.hpp"

#include <memory>
#include <string>

namespace TavDialogs {

class FloatDomModel {
public:
    enum class Field { None, ID, Min, Max };

    // A new domain: Min and Max empty, so that numbers must be typed.
    explicit FloatDomModel(ProblemRefs refs) : m_refs(refs) {}
    // Takes id and bounds of the domain at `index`, in `mode` (Edit or ViewOnly).
    void Load(const TavWorkbench::CDoubleDomain& domain, int index, DialogMode mode);

    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    std::string id;
    std::string minText;
    std::string maxText;

    // The acceptance checks ("Min is greater than Max"; equal bounds ask "Min and Max are equal
    // OK"); true when the dialog may close with OK.
    bool OnOK(DialogMessages& messages);
    // The bounds read by the last accepted OK.
    double GetLower() const { return m_lower; }
    double GetUpper() const { return m_upper; }
    std::unique_ptr<TavWorkbench::CDoubleDomain> MakeDomain() const;

    bool IsReadOnly() const { return m_mode == DialogMode::ViewOnly; }
    std::string CancelText() const { return CancelCaption(m_mode); }
    Field GetFocus() const { return m_focus; }

private:
    ProblemRefs m_refs;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    std::string m_originalID;
    double m_lower = 0.0;
    double m_upper = 0.0;
    Field m_focus = Field::ID;
};

} // namespace TavDialogs
