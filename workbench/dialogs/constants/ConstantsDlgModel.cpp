#include "workbench/dialogs/constants/ConstantsDlgModel.hpp"

#include "workbench/dialogs/actions/ModelUsage.hpp"
#include "workbench/dialogs/constants/ConstDlgModel.hpp"
#include "workbench/dialogs/constants/IntConstModel.hpp"
#include "workbench/dialogs/constants/StringConstDlgModel.hpp"

namespace TavDialogs {

std::string ConstantInUseMessage(const TavWorkbench::TavModel& model, const std::string& id) {
    const std::vector<ElementUse> users = FindUsers(model, id);
    if (users.empty()) return {};
    std::string text = "Cannot Delete - " + id + " in use by\n";
    for (const ElementUse& user : users)
        text += user.id + "\n";
    return text;
}

std::vector<ConstantsDlgModel::Row> ConstantsDlgModel::Rows() const {
    std::vector<Row> rows;
    for (const auto& constant : m_model.constants)
        rows.push_back({constant->GetID(), TavWorkbench::CConstant::GetTypeName(constant->GetType()),
                        constant->GetValue()});
    return rows;
}

bool ConstantsDlgModel::OnAddInteger(DialogHost& host) {
    IntConstModel dialog(Refs());
    if (!host.Run(dialog)) return false;
    m_model.constants.Add(dialog.MakeConstant());
    return true;
}

bool ConstantsDlgModel::OnAddListSet(DialogHost& host) {
    ConstDlgModel dialog(Refs());
    if (!host.Run(dialog)) return false;
    m_model.constants.Add(dialog.MakeConstant());
    return true;
}

bool ConstantsDlgModel::OnEdit(int row, DialogHost& host) {
    if (row < 0 || row >= m_model.constants.GetSize()) return false;
    selection = row;
    const TavWorkbench::CConstant& constant = *m_model.constants[row];
    switch (constant.GetType()) {
    case TavWorkbench::CConstant::Type::Integer: {
        IntConstModel dialog(Refs());
        dialog.Load(constant, row, DialogMode::Edit);
        if (!host.Run(dialog)) return false;
        m_model.constants.ReplaceAt(row, dialog.MakeConstant());
        return true;
    }
    case TavWorkbench::CConstant::Type::StringList: {
        StringConstDlgModel dialog(Refs());
        dialog.Load(constant, row, DialogMode::Edit);
        if (!host.Run(dialog)) return false;
        m_model.constants.ReplaceAt(
            row, std::make_unique<TavWorkbench::CConstant>(dialog.id, dialog.GetValue(), constant.GetType()));
        return true;
    }
    case TavWorkbench::CConstant::Type::Set:
    case TavWorkbench::CConstant::Type::List:
        break;
    }
    // Sets, lists and codes no kind has: the set/list dialog, the type kept.
    ConstDlgModel dialog(Refs());
    dialog.Load(constant, row, DialogMode::Edit);
    if (!host.Run(dialog)) return false;
    m_model.constants.ReplaceAt(
        row, std::make_unique<TavWorkbench::CConstant>(dialog.id, dialog.GetValue(), constant.GetType()));
    return true;
}

bool ConstantsDlgModel::OnDelete(DialogMessages& messages) {
    if (selection < 0 || selection >= m_model.constants.GetSize()) return false;
    const std::string id = m_model.constants[selection]->GetID();
    if (const std::string inUse = ConstantInUseMessage(m_model, id); !inUse.empty()) {
        messages.ShowBox(inUse, {});
        return false;
    }
    if (!messages.AskBox("Delete Constant with ID  " + id, "Delete")) return false;
    m_model.constants.RemoveAt(selection);
    selection = -1;
    return true;
}

} // namespace TavDialogs
