#include "workbench/app/ResultServerHost.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/DocViews.hpp"
#include "workbench/ui/ActionProviders.hpp"
#include "workbench/ui/UiPrompts.hpp"

namespace TavWorkbench::App {

ResultServerHost::ResultServerHost(CTavDoc& doc, Ui::UiPrompts& prompts, Ui::ActionProviders& providers,
                                   QObject* parent)
    : QObject(parent), m_doc(doc), m_prompts(prompts), m_providers(providers) {
    // Hand-overs from description threads run on this object's thread.
    m_wake = std::make_unique<TavNet::ThreadWake>([this] {
        if (m_server) m_server->DeliverHandOvers();
    });
    m_server = std::make_unique<TavNet::ExternalSolverServer>([wake = m_wake.get()] { wake->Wake(); });
    m_server->SetDocument(this);
    m_server->showBox = [this](const std::string& text) { m_prompts.Show(text); };
    m_server->chooseProgram = [this](const TavNet::CServerObj::UserList& programs) -> std::optional<int> {
        Ui::ElementActions* provider = m_providers.For(CommandId::ExternalSolver);
        if (provider == nullptr) return std::nullopt;
        return provider->ChooseExternalSolver(m_dialogParent, programs);
    };
    m_sockets = std::make_unique<TavNet::QtResultServer>(*m_server);
}

ResultServerHost::~ResultServerHost() {
    m_server->SetDocument(nullptr);
    m_server.reset();
    m_sockets.reset();
}

void ResultServerHost::SetNoticeDisplay(std::function<void(const std::string&)> display) {
    m_server->Notices().SetDisplay(std::move(display));
}

bool ResultServerHost::Start(int port) {
    std::string error;
    if (m_server->Init(port, m_sockets.get(), error)) {
        m_why.clear();
        return true;
    }
    m_why = "The result server cannot listen on port " + std::to_string(port) + " (" + error +
            "): external solvers cannot connect.";
    m_server->Notices().Add(m_why);
    return false;
}

void ResultServerHost::ProblemChanged() {
    m_server->DocumentChanged();
}

bool ResultServerHost::IsRunning() const {
    return m_server->IsUp();
}

std::string ResultServerHost::WhyNotRunning() const {
    return m_why;
}

int ResultServerHost::ConnectedCount() const {
    return m_server->GetUserCount();
}

void ResultServerHost::ChooseExternalSolver(QWidget* parent) {
    m_dialogParent = parent;
    m_server->ChooseExternalSolver();
    m_dialogParent = nullptr;
}

void ResultServerHost::ShowExternalSolutions(QWidget* parent) {
    m_dialogParent = parent;
    m_server->ShowExternalSolutions();
    m_dialogParent = nullptr;
}

bool ResultServerHost::HasProblem() const {
    return !m_doc.GetConstraints().IsEmpty() || !m_doc.GetOptimisation().empty();
}

bool ResultServerHost::WriteProblemText(std::string& text) {
    text = m_doc.GetProblemText();
    return true;
}

std::unique_lock<std::mutex> ResultServerHost::LockSolutions() {
    return m_doc.LockSolutions();
}

void ResultServerHost::ClearSolutions() {
    m_doc.GetSolutionsForWriting().Clear();
}

void ResultServerHost::AppendSolutionValue(int column, const std::string& name, const std::string& value) {
    m_doc.GetSolutionsForWriting().GetVarSolution(column, name)->AddValue(value);
}

void ResultServerHost::ResultsChanged(int found) {
    if (m_views != nullptr) m_views->ResultsChanged(found);
}

} // namespace TavWorkbench::App
