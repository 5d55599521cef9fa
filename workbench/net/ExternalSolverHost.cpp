#include "workbench/net/ExternalSolverHost.hpp"


namespace TavNet {

ExternalSolverHost::ExternalSolverHost(MessageLimits limits, QObject* parent) : QObject(parent) {
    // Hand-overs from description threads run on this object's thread.
    m_wake = std::make_unique<ThreadWake>([this] {
        if (m_server) m_server->DeliverHandOvers();
    });
    m_server = std::make_unique<ExternalSolverServer>([wake = m_wake.get()] { wake->Wake(); }, limits);
    m_server->SetDocument(&m_document);
    m_sockets = std::make_unique<QtResultServer>(*m_server);
}

ExternalSolverHost::~ExternalSolverHost() {
    m_server.reset();
    m_sockets.reset();
}

bool ExternalSolverHost::Start(int port) {
    std::string error;
    if (m_server->Init(port, m_sockets.get(), error)) return true;
    m_server->Notices().Add("The result server cannot listen on port " + std::to_string(port) + " (" + error +
                            "): external solvers cannot connect.");
    return false;
}

void ExternalSolverHost::Shutdown() {
    m_server->Shutdown();
}

void ExternalSolverHost::SetProblem(const std::string& text) {
    m_document.SetProblemText(text);
    m_server->ProblemChanged();
}

} // namespace TavNet
