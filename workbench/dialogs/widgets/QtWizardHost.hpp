#pragma once
// Runs the template, grid, linear-programming and transportation dialogs in their Qt views,
// modally over the active window. The element dialogs those open (the problem wizard's pages
// use them) run through the element host given. Tests watch each view as it opens.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/WizardHost.hpp"

#include <QPointer>
#include <QWidget>

#include <functional>

class QDialog;

namespace TavDialogs {

class QtWizardHost : public WizardHost {
public:
    // The result code of a view closed by its "Back" button.
    static constexpr int kBack = 1079;

    // `messages` and `elements` must outlive the host.
    QtWizardHost(DialogMessages& messages, DialogHost& elements, QWidget* owner = nullptr)
        : m_messages(messages), m_elements(elements), m_owner(owner) {}
    void SetOwner(QWidget* owner) { m_owner = owner; }
    // Called with each view after it is built and before it runs (null: nothing).
    void SetOpenObserver(std::function<void(QDialog*)> observer) { m_observer = std::move(observer); }
    DialogHost& Elements() { return m_elements; }
    QWidget* Owner() const;

    DialogMessages& Messages() override { return m_messages; }
    DialogEnd Run(TemplateDlgModel& model) override;
    DialogEnd Run(QueenDlgModel& model) override;
    DialogEnd Run(TSPOptionsDlgModel& model) override;
    DialogEnd Run(ShedDlgModel& model) override;
    DialogEnd Run(GridDlgModel& model) override;
    DialogEnd Run(OptimDlgModel& model) override;
    DialogEnd Run(LPStartDlgModel& model) override;
    DialogEnd Run(LPWizDLGModel& model) override;
    DialogEnd Run(LPConsDlgModel& model) override;
    DialogEnd Run(TransNumDlgModel& model) override;
    DialogEnd Run(WarningDlgModel& model) override;
    DialogEnd Run(BothQuantDlgModel& model) override;
    DialogEnd Run(CostsDlgModel& model) override;

    // Runs a view already built (the observer sees it first) and maps its result.
    DialogEnd Exec(QDialog& view);

private:
    template <class View, class Model> DialogEnd Show(Model& model);

    DialogMessages& m_messages;
    DialogHost& m_elements;
    QPointer<QWidget> m_owner;
    std::function<void(QDialog*)> m_observer;
};

} // namespace TavDialogs
