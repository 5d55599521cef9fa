#pragma once
// The problem wizard: five pages (introduction, domains, variables, constraints, a summary with
// the title) over lists of its own that start with the Boolean domain "TrueFalse". The
// constraints page is left forward only when the whole problem parses; Finish hands the lists
// and the title to the document, Cancel drops them.

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/wizard/DomainsPageModel.hpp"
#include "workbench/dialogs/wizard/FinalPageModel.hpp"
#include "workbench/dialogs/wizard/StraintPageModel.hpp"
#include "workbench/dialogs/wizard/VariablesPageModel.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

class TavWizardModel {
public:
    static constexpr const char* kTitle = "Wizard";
    enum class Page { Intro = 0, Domains = 1, Variables = 2, Constraints = 3, Final = 4 };

    // The introduction page's texts, in order.
    static const std::vector<std::string>& IntroTexts();
    static constexpr const char* kIntroCaption = "Tav Wizard - Introduction";
    // The hints of the domains page and of the variables page.
    static constexpr const char* kDomainsHint =
        "Use New Domain to create Domains, setting data type and legitimate range or list of values.";
    static constexpr const char* kVariablesHint =
        "Use New Variable to create variables and attach Domains to the variable.";
    static constexpr const char* kConstantsHint =
        "If you want to use a Constant, create it before creating Variables and Domains.";

    // `keyWords` and `templates` (the document's) must outlive the wizard.
    TavWizardModel(const TavWorkbench::CKeyWords& keyWords, const TavWorkbench::CAvConArray& templates,
                   DialogHost& host, DialogMessages& messages);

    Page Current() const { return m_page; }
    // The buttons of the current page: Back (shown from the domains page on), Next (up to the
    // constraints page), Finish (on the last page).
    bool BackShown() const { return m_page != Page::Intro; }
    bool NextShown() const { return m_page != Page::Final; }
    bool FinishShown() const { return m_page == Page::Final; }

    // Next: from the constraints page only when the problem parses. False when it stayed.
    bool Next();
    bool Back();
    // Finish on the last page: false (staying) without a title.
    bool Finish();

    const TavWorkbench::TavModel& Lists() const { return *m_model; }
    DomainsPageModel& Domains() { return m_domains; }
    VariablesPageModel& Variables() { return m_variables; }
    StraintPageModel& Constraints() { return m_constraints; }
    FinalPageModel& Final() { return m_final; }

    // After Finish: the document's problem becomes the wizard's (its previous model, target and
    // solutions deleted), and its title the one given.
    void TakeOver(TavWorkbench::CTavDoc& doc);

private:
    std::unique_ptr<TavWorkbench::TavModel> m_model;
    DialogMessages& m_messages;
    DomainsPageModel m_domains;
    VariablesPageModel m_variables;
    StraintPageModel m_constraints;
    FinalPageModel m_final;
    Page m_page = Page::Intro;
};

} // namespace TavDialogs
