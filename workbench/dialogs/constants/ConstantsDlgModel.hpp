#pragma once
// The list of every constant (id, type, value), from which constants are added, edited (by
// the dialog of their type) and deleted. Works on the document's constants directly.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"
#include "workbench/dialogs/ProblemRefs.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class ConstantsDlgModel {
public:
    struct Row {
        std::string id;
        std::string type;
        std::string value;
    };

    // `model` is the problem the constants belong to (a constant still used there is not deleted).
    ConstantsDlgModel(TavWorkbench::TavModel& model, const TavWorkbench::CKeyWords& keyWords)
        : m_model(model), m_keyWords(keyWords) {}

    // "Constant ID", "Type", "Value".
    static std::vector<std::string> Columns() { return {"Constant ID", "Type", "Value"}; }
    // One row per constant; the type "Integer", "Set", "List" or "String".
    std::vector<Row> Rows() const;

    // The selected row, -1 for none.
    int selection = -1;

    // "Add Integer Constant" and "Add List/Set Constant": the dialog runs for a new constant and
    // on OK the constant is appended. True when one was.
    bool OnAddInteger(DialogHost& host);
    bool OnAddListSet(DialogHost& host);
    // Double-click on `row`: the constant is edited with the dialog of its type (its type kept).
    bool OnEdit(int row, DialogHost& host);
    // "Delete": asks "Delete Constant with ID <id>" (caption "Delete"); a constant that other
    // elements use is not deleted ("Cannot Delete - <id> in use by\n" and each user's id).
    bool OnDelete(DialogMessages& messages);

private:
    ProblemRefs Refs() const { return ProblemRefs::Of(m_model, m_keyWords); }

    TavWorkbench::TavModel& m_model;
    const TavWorkbench::CKeyWords& m_keyWords;
};

// The refusal of deleting constant `id` while other elements use it; empty when none does.
std::string ConstantInUseMessage(const TavWorkbench::TavModel& model, const std::string& id);

} // namespace TavDialogs
