#include "workbench/dialogs/widgets/WizardActionsProvider.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/import/GetExcelDataDlgModel.hpp"
#include "workbench/dialogs/templates/GridTotalDlgModel.hpp"
#include "workbench/dialogs/templates/UseTemplateCommand.hpp"
#include "workbench/dialogs/transport/LPDrivers.hpp"
#include "workbench/dialogs/widgets/CGetExcelDataDlg.hpp"
#include "workbench/dialogs/widgets/CGridTotalDlg.hpp"
#include "workbench/dialogs/widgets/CTavWizard.hpp"
#include "workbench/dialogs/widgets/ModelPrinter.hpp"
#include "workbench/dialogs/widgets/QtDialogHost.hpp"
#include "workbench/dialogs/widgets/QtDialogMessages.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"
#include "workbench/dialogs/wizard/TavWizardModel.hpp"

namespace TavDialogs {

using TavWorkbench::CommandId;

bool WizardActionsProvider::Provides(CommandId id) const {
    switch (id) {
    case CommandId::UseTemplate:
    case CommandId::ProblemWizard:
    case CommandId::LinearWizard:
    case CommandId::TransportationWizard:
    case CommandId::AssignmentWizard:
    case CommandId::GetDataFromExcel:
    case CommandId::PrintModel:
    case CommandId::PrintModelPreview:
    case CommandId::AddTotal:
        return true;
    default:
        return false;
    }
}

void WizardActionsProvider::Run(CommandId id, TavWorkbench::Ui::ActionContext& context) {
    TavWorkbench::CTavDoc& doc = context.doc;
    QtDialogMessages messages(context.parent);
    QtDialogHost elements(messages, context.parent);
    QtWizardHost host(messages, elements, context.parent);
    const auto markModified = [&context] {
        if (context.setModified) context.setModified();
    };
    const std::string title = !doc.GetTitle().empty() ? doc.GetTitle() : context.title;
    switch (id) {
    case CommandId::UseTemplate: {
        UseTemplateCommand command(doc, host, markModified);
        command.Run();
        break;
    }
    case CommandId::ProblemWizard: {
        TavWizardModel model(doc.GetKeyWords(), doc.GetAvailableConstraints(), elements, messages);
        CTavWizard view(model, context.parent);
        if (host.Exec(view) != DialogEnd::Ok) break;
        model.TakeOver(doc);
        markModified();
        break;
    }
    case CommandId::LinearWizard:
        if (RunLPProblem(doc, host)) markModified();
        break;
    case CommandId::TransportationWizard:
        if (RunTransProblem(doc, host)) markModified();
        break;
    case CommandId::AssignmentWizard:
        if (RunAssignProblem(doc, host)) markModified();
        break;
    case CommandId::GetDataFromExcel: {
        GetExcelDataDlgModel model(doc.GetModel(), doc.GetKeyWords());
        CGetExcelDataDlg view(model, messages, elements, context.parent);
        if (host.Exec(view) != DialogEnd::Ok) break;
        doc.GetConstants().Add(std::make_unique<TavWorkbench::CConstant>(model.GetConstant()));
        if (context.setModified) context.setModified();
        break;
    }
    case CommandId::PrintModel:
        ModelPrinter::Print(context.parent, doc.GetModel(), title);
        break;
    case CommandId::PrintModelPreview:
        ModelPrinter::Preview(context.parent, doc.GetModel(), title);
        break;
    default:
        break;
    }
}

std::optional<std::pair<int, int>> WizardActionsProvider::AskTotalRows(QWidget* parent, int lower,
                                                                       int upper) {
    QtDialogMessages messages(parent);
    QtDialogHost elements(messages, parent);
    QtWizardHost host(messages, elements, parent);
    GridTotalDlgModel model(lower, upper);
    CGridTotalDlg view(model, host, parent);
    if (host.Exec(view) != DialogEnd::Ok) return std::nullopt;
    return std::make_pair(model.GetFrom(), model.GetTo());
}

} // namespace TavDialogs
