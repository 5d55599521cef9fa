#include "workbench/net/ExternalSolverServer.hpp"

#include "workbench/net/ExternalSolutionsReader.hpp"

#include "bridges/GenExtDesc.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawCSP.hpp"

#include <sstream>

using namespace TavLanguage;
using namespace TavBridges;

namespace TavNet {

namespace {

std::unique_ptr<RawCSP> ParseProblem(const std::string& text, std::string& failure) {
    auto problem = std::make_unique<RawCSP>();
    ParserInfo info;
    const ParserErr err = ParseCSPText(text, &info, problem.get());
    if (err.IsOk()) return problem;
    std::ostringstream reason;
    reason << err;
    failure = reason.str();
    return nullptr;
}

} // namespace

ExternalSolverServer::ExternalSolverServer(Wake wake, MessageLimits limits)
    : CServerObj(limits), m_wake(std::move(wake)) {}

ExternalSolverServer::~ExternalSolverServer() {
    JoinFinishedJobs(true);
    Shutdown();
}

void ExternalSolverServer::JoinFinishedJobs(bool all) {
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        if (all || it->done->load()) {
            if (it->thread.joinable()) it->thread.join();
            it = m_jobs.erase(it);
        } else {
            ++it;
        }
    }
}

void ExternalSolverServer::SendText(int type, const std::string& text) {
    CMessage message(type);
    message.SetString(0, text);
    SendToAll(message);
}

void ExternalSolverServer::OnUserConnected(int number) {
    CMessage message(MessageType::UserConnected);
    message.SetInt(0, static_cast<std::int32_t>(number));
    SendToAll(message);
}

void ExternalSolverServer::OnUserDisconnected(int number) {
    CMessage message(MessageType::Disconnect);
    message.SetInt(0, static_cast<std::int32_t>(number));
    SendToAll(message);
}

void ExternalSolverServer::OnInvalidStream(int number, const std::string& reason) {
    m_notices.Add("Received invalid message! (User#" + std::to_string(number) + ": " + reason + ")");
}

void ExternalSolverServer::ResetUserState(int number) {
    SetHasSolutions(false, number);
    SetProblemSent(false, number);
}

void ExternalSolverServer::OnMessageReceived(int number, const CMessage& message) {
    switch (message.GetType()) {
    case ToInt(MessageType::RequestProblem):
        SendProblem(number);
        return;
    case ToInt(MessageType::Register): {
        const std::string name = message.Text();
        SetUserName(number, name);
        ResetUserState(number);
        SendText(ToInt(MessageType::Broadcast), name + " registered with server!\n");
        SetSlave(number, false);
        return;
    }
    case ToInt(MessageType::TextLine):
        SendText(ToInt(MessageType::Broadcast), "[User#" + std::to_string(number) + "] " + message.Text());
        return;
    case ToInt(MessageType::Disconnect): {
        RemoveUser(number);
        CMessage left(MessageType::Disconnect);
        left.SetInt(0, static_cast<std::int32_t>(number));
        SendToAll(left);
        return;
    }
    case ToInt(MessageType::Solutions):
        ReceiveSolutions(number, message.Text());
        return;
    case ToInt(MessageType::Role): {
        const std::string role = message.Text();
        if (role == "Master")
            SetSlave(number, false);
        else if (role == "Slave")
            SetSlave(number, true);
        return;
    }
    default:
        m_notices.Add("Received invalid message!");
        return;
    }
}

void ExternalSolverServer::ReceiveSolutions(int number, const std::string& text) {
    m_notices.Add("received solutions!\n");
    if (!HasProblem(number)) {
        SetHasSolutions(false, number);
        m_notices.Add("Solution(s) ignored.  Incorrect problem\n");
        return;
    }
    const RawCSP* problem = CheckProblem();
    try {
        if (problem == nullptr) throw SolutionsTextError("the problem they were sent for cannot be read");
        ExternalSolutions checked = ExternalSolutionsReader::Read(text, *problem);
        SetHasSolutions(true, number);
        SetUserSolutions(text, number);
        if (CUser* user = FindUser(number)) user->checkedSolutions = std::move(checked);
    } catch (const SolutionsTextError& e) {
        SetHasSolutions(false, number);
        m_notices.Add("Solution(s) ignored.  Incorrect problem\n");
        m_notices.Add("User#" + std::to_string(number) + ": " + e.what());
    }
}

const RawCSP* ExternalSolverServer::CheckProblem() {
    if (!m_checkProblem && !m_problemText.empty()) {
        std::string failure;
        m_checkProblem = ParseProblem(m_problemText, failure);
    }
    return m_checkProblem.get();
}

void ExternalSolverServer::SendProblem(int number) {
    {
        std::unique_lock lock(m_descriptionLock);
        if (m_descriptionReady) {
            CMessage message(MessageType::Problem);
            message.SetString(0, m_descriptionText);
            lock.unlock();
            if (SendToUser(number, message)) SetProblemSent(true, number);
            return;
        }
    }
    if (m_document == nullptr || !m_document->HasProblem()) return;
    {
        std::lock_guard lock(m_descriptionLock);
        if (m_renderInFlight && m_renderGeneration == m_generation) {
            m_waiting.push_back(number);
            return;
        }
    }
    std::string text;
    std::string failure = "the problem text cannot be written";
    std::unique_ptr<RawCSP> problem;
    if (m_document->WriteProblemText(text)) problem = ParseProblem(text, failure);
    if (!problem) {
        m_notices.Add("Couldn't get description of problem! (" + failure + ")");
        return;
    }
    if (text != m_problemText) {
        m_problemText = text;
        m_checkProblem.reset();
    }
    StartDescriptionThread(number, std::move(problem));
}

void ExternalSolverServer::StartDescriptionThread(int number, std::unique_ptr<RawCSP> problem) {
    JoinFinishedJobs(false);
    unsigned generation;
    {
        std::lock_guard lock(m_descriptionLock);
        generation = m_generation;
        m_renderInFlight = true;
        m_renderGeneration = generation;
    }
    m_waiting.assign(1, number);
    auto done = std::make_shared<std::atomic<bool>>(false);
    ++m_rendering;
    // The thread owns its problem and shares nothing else with this thread but the
    // description members, which it touches under their lock.
    std::thread thread([this, generation, done, owned = std::shared_ptr<RawCSP>(std::move(problem))] {
        std::ostringstream out;
        bool rendered = true;
        std::string failure;
        try {
            GenExtDesc writer(owned.get(), &out);
        } catch (const std::exception& e) {
            rendered = false;
            failure = e.what();
        }
        if (rendered) {
            std::lock_guard lock(m_descriptionLock);
            if (generation == m_generation) StoreDescription(out.str());
        }
        {
            std::lock_guard lock(m_handOverLock);
            m_handOvers.push_back(HandOver{rendered, generation, failure});
        }
        if (m_wake) m_wake();
        done->store(true);
    });
    m_jobs.push_back(RenderJob{std::move(thread), std::move(done)});
}

void ExternalSolverServer::DeliverHandOvers() {
    std::vector<HandOver> ready;
    {
        std::lock_guard lock(m_handOverLock);
        ready.swap(m_handOvers);
    }
    for (const HandOver& h : ready)
        HandOverDescription(h.rendered, h.generation, h.failure);
}

void ExternalSolverServer::StoreDescription(const std::string& text) {
    m_descriptionText.clear();
    m_descriptionText = text;
}

void ExternalSolverServer::HandOverDescription(bool rendered, unsigned generation,
                                               const std::string& failure) {
    --m_rendering;
    JoinFinishedJobs(false);
    CMessage message(MessageType::Problem);
    std::vector<int> waiting;
    {
        std::lock_guard lock(m_descriptionLock);
        // The problem changed while this one was rendered: its programs were told and ask again.
        if (generation != m_generation) return;
        m_renderInFlight = false;
        waiting.swap(m_waiting);
        if (rendered) {
            message.SetString(0, m_descriptionText);
            m_descriptionReady = true;
        }
    }
    if (!rendered) {
        m_notices.Add("Couldn't get description of problem! (" + failure + ")");
        return;
    }
    for (int number : waiting)
        if (SendToUser(number, message)) SetProblemSent(true, number);
}

void ExternalSolverServer::SetDocument(ExternalDocument* document) {
    m_document = document;
    m_announcedText.clear();
    if (m_document != nullptr) m_document->WriteProblemText(m_announcedText);
}

void ExternalSolverServer::DocumentChanged() {
    std::string text;
    if (m_document != nullptr) m_document->WriteProblemText(text);
    if (text == m_announcedText) return;
    ProblemChanged();
}

void ExternalSolverServer::ProblemChanged() {
    m_announcedText.clear();
    if (m_document != nullptr) m_document->WriteProblemText(m_announcedText);
    CMessage message(MessageType::ProblemChanged);
    message.SetString(0, "update problem");
    if (GetUserCount() > 0) {
        SendToAll(message);
        SetProblemSentAll(false);
        SetHasSolutionsAll(false);
    }
    {
        std::lock_guard lock(m_descriptionLock);
        m_descriptionReady = false;
        ++m_generation;
    }
    m_problemText.clear();
    m_checkProblem.reset();
}

bool ExternalSolverServer::IsDescriptionReady() const {
    std::lock_guard lock(m_descriptionLock);
    return m_descriptionReady;
}

std::string ExternalSolverServer::DescriptionText() const {
    std::lock_guard lock(m_descriptionLock);
    return m_descriptionText;
}

ExternalSolutions ExternalSolverServer::UserSolutions(int number) const {
    const CUser* user = FindUser(number);
    return user && user->hasSolutions ? user->checkedSolutions : ExternalSolutions{};
}

void ExternalSolverServer::ChooseExternalSolver() {
    if (m_document != nullptr && !m_document->HasProblem()) {
        if (showBox) showBox("No problem to solve!");
        return;
    }
    UserList slaves;
    GetSlaveList(slaves);
    if (slaves.empty()) {
        if (showBox) showBox("No external slave solvers!");
        return;
    }
    ExSolDlgModel dialog("External Solvers", slaves);
    if (runChoiceDialog && runChoiceDialog(dialog) && dialog.ChosenUser()) SendProblem(*dialog.ChosenUser());
}

void ExternalSolverServer::ShowExternalSolutions() {
    UserList holders;
    GetSolutionHolders(holders);
    if (holders.empty()) {
        if (showBox) showBox("No external solver solutions to display!");
        return;
    }
    ExSolDlgModel dialog("External Solvers", holders);
    if (runChoiceDialog && runChoiceDialog(dialog) && dialog.ChosenUser())
        LoadExternalSolutions(*dialog.ChosenUser());
}

void ExternalSolverServer::LoadExternalSolutions(int number) {
    if (m_document == nullptr) return;
    const ExternalSolutions solutions = UserSolutions(number);
    {
        auto lock = m_document->LockSolutions();
        m_document->ClearSolutions();
        const int columns = static_cast<int>(solutions.columns.size());
        for (const ExternalSolution& s : solutions.solutions) {
            for (int i = 0; i < columns; ++i)
                m_document->AppendSolutionValue(i, solutions.columns[static_cast<std::size_t>(i)],
                                                s.values[static_cast<std::size_t>(i)]);
            int next = columns;
            if (s.cost) m_document->AppendSolutionValue(next++, "Cost", std::to_string(*s.cost));
            if (s.softCost) m_document->AppendSolutionValue(next, "Soft Cost", std::to_string(*s.softCost));
        }
    }
    m_document->ResultsChanged(static_cast<int>(solutions.solutions.size()));
}

} // namespace TavNet
