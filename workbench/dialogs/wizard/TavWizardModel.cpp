#include "workbench/dialogs/wizard/TavWizardModel.hpp"

namespace TavDialogs {

namespace {

std::unique_ptr<TavWorkbench::TavModel> StartingLists() {
    auto model = std::make_unique<TavWorkbench::TavModel>();
    model->domains.AddBoolDomain("TrueFalse");
    return model;
}

} // namespace

const std::vector<std::string>& TavWizardModel::IntroTexts() {
    static const std::vector<std::string> texts = {
        "Constraint Satisfaction Problems ",
        "The 3 steps required to formulate a CSP Problem are\n\n1. Create one or more Domains.A Domain is a "
        "data type "
        "and a range or list of possible values that a variable could legitimately take.",
        "2. Create one or more variables, and attach a Domain to it.\nSingle or Arrays of Variables can be "
        "created. ",
        "3. Apply Constraints, that is rules that specify what values variables can have in particular "
        "situations.",
        "Constants can also be used, e.g. for the size of an array of variables. This can make formulation "
        "and later "
        "modification easier.",
        "The Wizard will guide you through the process.",
        " After the Wizard has finished the problem can be modified by clicking with the Right Mouse Button "
        "over "
        "particular items in the Tree in the left pane of the main window.",
    };
    return texts;
}

TavWizardModel::TavWizardModel(const TavWorkbench::CKeyWords& keyWords,
                               const TavWorkbench::CAvConArray& templates, DialogHost& host,
                               DialogMessages& messages)
    : m_model(StartingLists()), m_messages(messages),
      m_domains(WizardLists{*m_model, keyWords, templates, host, messages}),
      m_variables(WizardLists{*m_model, keyWords, templates, host, messages}),
      m_constraints(WizardLists{*m_model, keyWords, templates, host, messages}),
      m_final(WizardLists{*m_model, keyWords, templates, host, messages}) {}

bool TavWizardModel::Next() {
    if (m_page == Page::Final) return false;
    if (m_page == Page::Constraints && !m_constraints.CheckProblem()) return false;
    m_page = static_cast<Page>(static_cast<int>(m_page) + 1);
    return true;
}

bool TavWizardModel::Back() {
    if (m_page == Page::Intro) return false;
    m_page = static_cast<Page>(static_cast<int>(m_page) - 1);
    return true;
}

bool TavWizardModel::Finish() {
    return m_page == Page::Final && m_final.OnFinish(m_messages);
}

void TavWizardModel::TakeOver(TavWorkbench::CTavDoc& doc) {
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    doc.GetModel().TakeFrom(*m_model);
    doc.SetTitle(m_final.titleText);
}

} // namespace TavDialogs
