#pragma once
// The constraint builder: one constraint of the problem (or the optimisation target) written in
// the modelling language, composed from a tree of building blocks and templates, and checked by
// parsing the whole problem with the candidate in it before it may be accepted. The check
// parses a private text in memory, so no other check or solve can overwrite it meanwhile.
//
// Texts are bytes: placeholders stand between the bytes 0xAB and 0xBB (« and »), and line
// breaks in the candidate are "\r\n".

#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/DialogMode.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"
#include "workbench/model/CAvConArray.hpp"
#include "workbench/model/CConstraint.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

inline constexpr char kPlaceholderOpen = '\xAB';
inline constexpr char kPlaceholderClose = '\xBB';

class ExpDlgModel {
public:
    enum class Field { None, Text, ID };

    // Kinds of list entries: inserted as they read, a constraint template (its insertion text),
    // an optimisation keyword (followed by its argument placeholder).
    static constexpr int kPlain = 0;
    static constexpr int kTemplate = 2;
    static constexpr int kOptimisation = 5;

    struct TreeNode {
        std::string text;
        std::vector<std::string> children;
    };
    struct ListEntry {
        std::string text;
        int kind = kPlain;
        int templateIndex = -1;
    };
    // What an insertion puts at the caret, and whether the user is first told to replace the
    // placeholders ("Replace «instructions» \nwith desired values").
    struct Insertion {
        std::string text;
        bool showReplaceNote = false;
    };

    // The three Forall templates, numbered 0 to 2.
    static std::string ForallTemplate(int number);
    // The note shown before inserting a function or template with placeholders.
    static std::string ReplaceNote();

    // A new constraint; Load edits one, LoadOptimisation writes the optimisation target.
    ExpDlgModel(ProblemRefs refs, const TavWorkbench::CAvConArray& templates)
        : m_refs(refs), m_templates(templates) {}
    // The constraint at `index`, in `mode` (Edit or ViewOnly).
    void Load(const TavWorkbench::CConstraint& constraint, int index, DialogMode mode);
    // Optimisation mode: no id; `current` is the present target (may be empty).
    void LoadOptimisation(const std::string& current);

    bool IsOptimisation() const { return m_optimisation; }
    // The collections the constraint is checked against (the value browser shows them).
    const ProblemRefs& Refs() const { return m_refs; }
    DialogMode GetMode() const { return m_mode; }
    int GetIndex() const { return m_index; }

    // The candidate ("\r\n" between lines) and its id.
    std::string text;
    std::string id;

    // --- Building blocks --------------------------------------------------------------------
    // "Variables", "Operators", "Constraints", "Constants" and, in optimisation mode,
    // "Optimisation", each with its children.
    std::vector<TreeNode> TreeRoots() const;
    // A node was selected: the list is filled by the node's text, the help button disabled.
    void OnSelectNode(const std::string& nodeText);
    const std::vector<ListEntry>& ListEntries() const { return m_list; }
    // A list entry was selected: the help note of a template (its string or, without one, its
    // insertion text), empty for other entries; the help button is enabled for a template.
    std::string OnSelectEntry(int row);
    bool IsHelpButtonEnabled() const { return m_helpEnabled; }
    // A list entry was double-clicked.
    Insertion OnActivateEntry(int row) const;
    // A button: an operator's caption, or the functions "Abs", "Pwr" and "Sum".
    static Insertion ButtonInsertion(const std::string& caption);
    // `what` plus one blank in place of [selStart, selEnd) of `original`; `caret` (when given)
    // receives the offset after it.
    static std::string InsertAt(const std::string& original, int selStart, int selEnd,
                                const std::string& what, int* caret = nullptr);

    // --- Checks -----------------------------------------------------------------------------
    // "Check Constraint": the phrasing check, then the whole-problem check; "Constraint OK" when
    // both pass.
    bool OnCheck(DialogMessages& messages);
    // OK: "No Constraint", the id checks (not in optimisation mode), the phrasing check and the
    // whole-problem check; on success the ids the constraint uses are recorded.
    bool OnOK(DialogMessages& messages);
    // Placeholders left ("Please remove any « characters\nand any instructions") and "For All"
    // spellings, which are replaced by "Forall" and refused once so the user sees the change.
    bool CheckPhrasing(DialogMessages& messages);
    // Parses the problem with the candidate in it. On an error shows its first line with the
    // line number counted within the candidate (clamped to the candidate's lines) and selects
    // that line. `forOK` records the identifiers the constraint uses.
    bool CheckProblem(DialogMessages& messages, bool forOK);
    // The problem text the check parses, and the number of lines before the candidate.
    std::string CheckText(int* linesBefore) const;

    // After a refusal: the field to focus and the range of `text` to select ([start, end)).
    Field GetFocus() const { return m_focus; }
    int GetSelectionStart() const { return m_selStart; }
    int GetSelectionEnd() const { return m_selEnd; }
    // The error's message lines of the last failed check, and the candidate line it names.
    const std::vector<std::string>& GetErrorLines() const { return m_errorLines; }
    int GetErrorLine() const { return m_errorLine; }
    // The identifiers (without index) that the accepted constraint uses.
    const std::vector<std::string>& GetUsedIDs() const { return m_usedIDs; }

    // After OK outside optimisation mode: the constraint appended (new) or replaced (edit).
    void Store(TavWorkbench::CConArray& constraints) const;

    bool IsOKEnabled() const { return m_mode != DialogMode::ViewOnly; }
    std::string CancelText() const { return CancelCaption(m_mode); }

private:
    bool CheckID(DialogMessages& messages);
    void Select(std::size_t start, std::size_t end);

    ProblemRefs m_refs;
    const TavWorkbench::CAvConArray& m_templates;
    DialogMode m_mode = DialogMode::New;
    int m_index = -1;
    bool m_optimisation = false;
    std::vector<ListEntry> m_list;
    bool m_helpEnabled = false;
    Field m_focus = Field::Text;
    int m_selStart = -1;
    int m_selEnd = -1;
    std::vector<std::string> m_errorLines;
    int m_errorLine = 0;
    std::vector<std::string> m_usedIDs;
};

} // namespace TavDialogs
