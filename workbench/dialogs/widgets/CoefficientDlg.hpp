#pragma once
// The frame the linear programme's constraint and objective dialogs share: a model that is a
// CoefficientColumn with a title (Model::kTitle) and OK checks (Model::OnOK) of its own, and
// the CoefficientGrid over it at the top of the dialog.

#include "workbench/dialogs/widgets/CoefficientGrid.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"
#include "workbench/dialogs/widgets/QtWizardHost.hpp"

#include <functional>
#include <utility>

namespace TavDialogs {

template <class Model> class CoefficientDlg : public ModelDialog {
protected:
    // Tab on the grid's last row calls tabOnLastRow when given (see CoefficientGrid).
    CoefficientDlg(Model& model, QtWizardHost& host, QWidget* parent, std::function<void()> tabOnLastRow = {})
        : ModelDialog(QString::fromLatin1(Model::kTitle), host.Messages(), host.Elements(), parent),
          m_model(model), m_coefficients(this, model, std::move(tabOnLastRow)) {}

    bool Check() override { return m_model.OnOK(Messages()); }

    Model& m_model;
    CoefficientGrid m_coefficients;
};

} // namespace TavDialogs
