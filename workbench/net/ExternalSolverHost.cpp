#include "workbench/net/ExternalSolverHost.hpp"

#include <QMetaObject>

namespace TavNet {

ExternalSolverHost::ExternalSolverHost(MessageLimits limits, QObject* parent) : QObject(parent) {
    // Hand-overs from description threads run on this object's thread. The server joins its
    // threads before the host goes, and a call still queued then goes with the host. The call
    // is by name: it carries nothing from the thread but itself.
    m_server = std::make_unique<ExternalSolverServer>(
        [this] { QMetaObject::invokeMethod(this, "DeliverHandOvers", Qt::QueuedConnection); }, limits);
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

void ExternalSolverHost::DeliverHandOvers() {
    if (m_server) m_server->DeliverHandOvers();
}

void ExternalSolverHost::SetProblem(const std::string& text) {
    m_document.SetProblemText(text);
    m_server->ProblemChanged();
}

} // namespace TavNet
