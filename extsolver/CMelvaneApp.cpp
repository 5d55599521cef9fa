#include "extsolver/CMelvaneApp.hpp"

#include "extcore/DescriptionError.hpp"
#include "platform/FatalError.hpp"
#include "protocol/MessageType.hpp"

#include <algorithm>
#include <iterator>

namespace Melvane {

using TavNet::CMessage;
using TavNet::MessageType;
using B = MelvaneButton;

CMelvaneApp::CMelvaneApp(const std::string& hostName, QObject* parent)
    : CClientObj(parent), m_dialog(hostName) {}

CMelvaneApp::~CMelvaneApp() {
    ExitInstance();
}

void CMelvaneApp::ExitInstance() {
    m_worker.request_stop();
    m_solver.Stop();
    JoinWorker();
    Disconnect();
}

void CMelvaneApp::JoinWorker() {
    if (m_worker.joinable()) m_worker.join();
}

bool CMelvaneApp::ReadFields(bool fromNetwork) {
    m_fieldError = m_dialog.Validate(m_settings);
    if (!m_fieldError) return true;
    // A solve that a received problem started shows no box: the log says why it did not run.
    if (fromNetwork || !showBox)
        Log(m_fieldError->text);
    else
        showBox(m_fieldError->text, "");
    return false;
}

void CMelvaneApp::SendSolverName(const std::string& name) {
    CMessage message(MessageType::Register);
    message.SetString(0, name);
    Send(message);
}

bool CMelvaneApp::OnConnect() {
    if (!ReadFields()) return false;
    if (m_dialog.ConnectText() == "Connect") {
        QString error;
        if (!Connect(static_cast<quint16>(m_settings.port), QString::fromStdString(m_settings.serverName),
                     &error)) {
            Log("Cannot connect to the server (" + error.toStdString() + ")");
            if (showBox) showBox("Cannot connect to the server", "Error");
            return false;
        }
        m_dialog.SetConnectText("Disconnect");
        m_dialog.Enable(B::Send, false);
        m_dialog.Enable(B::Read, true);
        m_dialog.Enable(B::Solve, false);
        m_dialog.Enable(B::Master, true);
        SendSolverName(m_settings.solverName);
        Log("* You are connected to the server");
        return true;
    }
    Send(CMessage(MessageType::Disconnect));
    Disconnect();
    m_dialog.SetConnectText("Connect");
    for (B b : {B::Send, B::Read, B::Solve, B::Master})
        m_dialog.Enable(b, false);
    Log("* You are disconnected");
    Log("");
    return true;
}

void CMelvaneApp::OnMaster() {
    if (m_dialog.MasterText() == "Slave") {
        m_dialog.Enable(B::Send, false);
        m_dialog.Enable(B::Read, true);
        m_dialog.Enable(B::Solve, false);
        m_dialog.SetMasterText("Master");
        m_dialog.SetMaster(true);
    } else {
        m_dialog.Enable(B::Send, false);
        m_dialog.Enable(B::Read, false);
        m_dialog.Enable(B::Solve, false);
        m_dialog.SetMasterText("Slave");
        m_dialog.SetMaster(false);
    }
    CMessage message(MessageType::Role);
    message.SetString(0, m_dialog.MasterText());
    Send(message);
}

void CMelvaneApp::OnReadProblem() {
    for (B b : {B::Read, B::Send, B::Solve, B::Master})
        m_dialog.Enable(b, false);
    CMessage message(MessageType::RequestProblem);
    message.SetString(0, m_dialog.SolutionsText());
    Send(message);
}

bool CMelvaneApp::OnSolveProblem() {
    return SolveProblem(false);
}

bool CMelvaneApp::SolveProblem(bool fromNetwork) {
    if (!ReadFields(fromNetwork)) return false;
    if (m_dialog.IsSolving()) {
        OnStopSolving();
        return false;
    }
    for (B b : {B::Read, B::Send, B::Solve, B::Master})
        m_dialog.Enable(b, false);
    RunSettings settings{};
    settings.runs = static_cast<int>(m_settings.solutions);
    settings.runLimit = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::duration<double>(m_settings.timeLimit));
    // Engine parameters 1 to 9: lambda, approximate evaluation, learning, delta update, seed,
    // objective weight, then three that the engine ignores.
    const int parameters[9] = {static_cast<int>(m_settings.lambda),
                               m_settings.approxEvaluation ? 1 : 0,
                               m_settings.learning ? 1 : 0,
                               m_settings.deltaUpdate ? 1 : 0,
                               static_cast<int>(m_settings.seed),
                               static_cast<int>(m_settings.optimise),
                               0,
                               0,
                               0};
    std::copy(std::begin(parameters), std::end(parameters), settings.parameters);
    m_dialog.SetSolving(true);
    // While the run lasts: no connect or disconnect; Stop in either role.
    m_dialog.Enable(B::Connect, false);
    m_dialog.Enable(B::Stop, true);
    StartWorker(settings);
    return true;
}

void CMelvaneApp::StartWorker(std::optional<RunSettings> settings) {
    JoinWorker();
    ++m_run;
    m_loading = !settings;
    // The worker takes the problem as it stands now, the latest one received.
    m_problemWaiting = false;
    m_worker = std::jthread([this, settings, problem = m_problemText, run = m_run](std::stop_token stop) {
        WorkerProc(std::move(stop), settings, problem, run);
    });
}

void CMelvaneApp::WorkerProc(std::stop_token stop, std::optional<RunSettings> settings, std::string problem,
                             unsigned run) {
    std::string refusal;
    try {
        if (settings)
            for (int id = 1; id <= 9; ++id)
                m_solver.SetParameter(id, settings->parameters[id - 1]);
        m_solver.LoadProblem(std::move(problem));
    } catch (const Platform::FatalError& e) {
        refusal = e.what();
    }
    WorkerEvent loaded(WorkerEvent::Kind::Loaded, run);
    loaded.refusal = refusal;
    PostFromWorker(std::move(loaded));
    if (!settings || !refusal.empty()) return;
    bool found = false;
    std::string failure;
    try {
        m_solver.SetNotifyWindow([this, run](const SolverInterface::BestCosts& best) {
            WorkerEvent event(WorkerEvent::Kind::NewBest, run);
            event.best = best;
            PostFromWorker(std::move(event));
        });
        m_solver.GetSolutions().RemoveAll();
        found = m_solver.Solve(settings->runs, settings->runLimit, stop);
    } catch (const Platform::FatalError& e) {
        failure = e.what();
    }
    m_solver.SetNotifyWindow({});
    WorkerEvent end(WorkerEvent::Kind::Finished, run);
    end.found = found;
    m_solver.GetSolutionsText(end.text);
    m_solver.GetSolutionsReport(end.report);
    if (!failure.empty()) end.report = "Problem refused: " + failure + "\n" + end.report;
    PostFromWorker(std::move(end));
}

void CMelvaneApp::PostFromWorker(WorkerEvent event) {
    bool wake = false;
    {
        std::lock_guard lock(m_mailboxLock);
        wake = m_mailbox.empty();
        m_mailbox.push_back(std::move(event));
    }
    // One wake drains everything posted until it is answered.
    if (wake) m_wake.Wake();
}

void CMelvaneApp::DeliverWorkerEvents() {
    std::deque<WorkerEvent> events;
    {
        std::lock_guard lock(m_mailboxLock);
        events.swap(m_mailbox);
    }
    for (const WorkerEvent& e : events) {
        switch (e.kind) {
        case WorkerEvent::Kind::NewBest:
            OnNewBestCost(e.run, e.best);
            break;
        case WorkerEvent::Kind::Loaded:
            OnProblemLoaded(e.run, e.refusal);
            break;
        case WorkerEvent::Kind::Finished:
            OnSolveFinished(e.run, e.found, e.text, e.report);
            break;
        }
    }
}

void CMelvaneApp::OnNewBestCost(unsigned run, const SolverInterface::BestCosts& best) {
    if (run != m_run || !m_dialog.IsSolving()) return;
    std::string text = "New best solution has";
    if (best.cost) text += " cost:" + std::to_string(*best.cost);
    if (best.softCost) text += " soft:" + std::to_string(*best.softCost);
    Log(text);
}

void CMelvaneApp::TakeProblem() {
    m_problemWaiting = false;
    // As Slave a problem is solved at once; without valid fields it is only read.
    if (!m_dialog.IsMaster() && SolveProblem(true)) return;
    StartWorker(std::nullopt);
}

void CMelvaneApp::OnProblemLoaded(unsigned run, const std::string& refusal) {
    if (run != m_run) return;
    const bool reading = m_loading;
    m_loading = false;
    if (!refusal.empty()) Log("Problem refused: " + refusal);
    if (reading) {
        if (m_problemWaiting) {
            TakeProblem();
            return;
        }
        m_dialog.Enable(B::Solve, refusal.empty());
    } else if (!refusal.empty()) {
        // A solve whose problem could not be read: nothing was solved and nothing is sent.
        JoinWorker();
        m_dialog.SetSolving(false);
        EndSolve(false);
        m_dialog.Enable(B::Solve, false);
        emit solveFinished(false);
    }
}

void CMelvaneApp::EndSolve(bool found) {
    const bool connected = IsConnected();
    m_dialog.Enable(B::Stop, false);
    m_dialog.Enable(B::Connect, true);
    m_dialog.Enable(B::Send, found && connected);
    if (m_dialog.IsMaster()) {
        m_dialog.Enable(B::Read, connected);
        m_dialog.Enable(B::Solve, true);
    }
    m_dialog.Enable(B::Master, connected);
}

void CMelvaneApp::OnSolveFinished(unsigned run, bool found, const std::string& text,
                                  const std::string& report) {
    if (run != m_run) return;
    JoinWorker();
    m_dialog.SetSolutionsText("");
    m_dialog.SetSolving(false);
    m_dialog.SetSolutionsText(text);
    Log(report);
    EndSolve(found);
    if (!m_dialog.IsMaster() && IsConnected()) OnSendSolutions();
    emit solveFinished(found);
}

void CMelvaneApp::OnSendSolutions() {
    for (B b : {B::Master, B::Read, B::Send, B::Solve})
        m_dialog.Enable(b, false);
    CMessage message(MessageType::Solutions);
    message.SetString(0, m_dialog.SolutionsText());
    Send(message);
    if (m_dialog.IsMaster()) {
        m_dialog.Enable(B::Read, true);
        m_dialog.Enable(B::Send, false);
        m_dialog.Enable(B::Solve, true);
    }
    m_dialog.Enable(B::Master, IsConnected());
}

void CMelvaneApp::OnStopSolving() {
    // The worker's token ends the solve even when the stop comes before its first run.
    m_worker.request_stop();
    m_solver.Stop();
}

void CMelvaneApp::OnMessage(const CMessage& message) {
    // The program's own types, and codes no type has, are passed over.
    if (const std::optional<MessageType> type = message.GetType()) {
        switch (*type) {
        case MessageType::Problem: {
            if (m_dialog.IsSolving()) {
                OnStopSolving();
                break;
            }
            Log("* Received Problem");
            m_dialog.Enable(B::Read, true);
            m_dialog.Enable(B::Send, false);
            m_dialog.Enable(B::Stop, false);
            m_dialog.Enable(B::Master, true);
            // "Solve Problem" waits until the worker has read the problem; a large one takes a while.
            m_dialog.Enable(B::Solve, false);
            m_problemText = message.Text();
            if (m_loading)
                m_problemWaiting = true;
            else
                TakeProblem();
            break;
        }
        case MessageType::Broadcast:
            Log(message.Text());
            break;
        case MessageType::ServerDisconnect:
            Log("* Server disconnect");
            Log("");
            Disconnect();
            m_dialog.SetConnectText("Connect");
            for (B b : {B::Read, B::Send, B::Solve, B::Master})
                m_dialog.Enable(b, false);
            if (!m_dialog.IsSolving()) m_dialog.Enable(B::Connect, true);
            break;
        case MessageType::UserConnected:
            Log("* User#" + std::to_string(message.Number()) + " connected");
            break;
        case MessageType::Disconnect:
            Log("* User#" + std::to_string(message.Number()) + " disconnected");
            break;
        case MessageType::ProblemChanged:
            // A notice, not a box: it comes from the network.
            Log("Server has new problem!\n");
            m_dialog.Enable(B::Read, true);
            m_dialog.Enable(B::Send, false);
            m_dialog.Enable(B::Solve, false);
            m_dialog.Enable(B::Stop, false);
            break;
        case MessageType::RequestProblem:
        case MessageType::Register:
        case MessageType::TextLine:
        case MessageType::Solutions:
        case MessageType::Role:
            break;
        }
    }
    emit messageHandled(message.GetTypeCode());
}

void CMelvaneApp::OnClose(int) {
    Log("* Unexpected disconnect\n");
    m_dialog.SetConnectText("Connect");
    for (B b : {B::Read, B::Send, B::Solve, B::Master})
        m_dialog.Enable(b, false);
    if (!m_dialog.IsSolving()) m_dialog.Enable(B::Connect, true);
    emit connectionLost();
}

} // namespace Melvane
