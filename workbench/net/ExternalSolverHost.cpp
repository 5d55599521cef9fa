#include "workbench/net/ExternalSolverHost.hpp"

#include <QMetaObject>
#include <QPointer>

namespace TavNet {

ExternalSolverHost::ExternalSolverHost(MessageLimits limits, QObject* parent) : QObject(parent) {
    // Hand-overs from description threads run on this object's thread, and are dropped once
    // the host is gone.
    QPointer<ExternalSolverHost> self(this);
    m_server = std::make_unique<ExternalSolverServer>(
        [self](std::function<void()> f) {
            if (self) QMetaObject::invokeMethod(self.data(), std::move(f), Qt::QueuedConnection);
        },
        limits);
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
