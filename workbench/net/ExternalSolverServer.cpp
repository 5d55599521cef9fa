#include "workbench/net/ExternalSolverServer.hpp"

#include "workbench/net/ExternalSolutionsReader.hpp"

#include "bridges/GenExtDesc.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawCSP.hpp"
#include "platform/Cancelled.hpp"

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
    for (auto& [number, checking] : m_checking)
        checking.stop->store(true);
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

void ExternalSolverServer::SendText(MessageType type, const std::string& text) {
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
    CancelCheck(number);
    CMessage message(MessageType::Disconnect);
    message.SetInt(0, static_cast<std::int32_t>(number));
    SendToAll(message);
}

void ExternalSolverServer::OnInvalidStream(int number, const std::string& reason) {
    m_notices.Add("Received invalid message! (User#" + std::to_string(number) + ": " + reason + ")");
}

void ExternalSolverServer::OnMemoryBoundReached(int number, const std::string& reason) {
    m_notices.Add("User#" + std::to_string(number) + " disconnected: " + reason);
}

void ExternalSolverServer::ResetUserState(int number) {
    SetHasSolutions(false, number);
    SetProblemSent(false, number);
}

void ExternalSolverServer::OnMessageReceived(int number, const CMessage& message) {
    if (const std::optional<MessageType> type = message.GetType()) {
        switch (*type) {
        case MessageType::RequestProblem:
            SendProblem(number);
            return;
        case MessageType::Register: {
            const std::string name = message.Text();
            SetUserName(number, name);
            ResetUserState(number);
            SendText(MessageType::Broadcast, name + " registered with server!\n");
            SetSlave(number, false);
            return;
        }
        case MessageType::TextLine:
            SendText(MessageType::Broadcast, "[User#" + std::to_string(number) + "] " + message.Text());
            return;
        case MessageType::Disconnect:
            // Leaving on its own word is leaving as when the connection ends.
            RemoveUser(number);
            OnUserDisconnected(number);
            return;
        case MessageType::Solutions: {
            std::string text;
            message.GetString(0, text);
            ReceiveSolutions(number, std::move(text));
            return;
        }
        case MessageType::Role: {
            const std::string role = message.Text();
            if (role == "Master")
                SetSlave(number, false);
            else if (role == "Slave")
                SetSlave(number, true);
            return;
        }
        case MessageType::Problem:
        case MessageType::Broadcast:
        case MessageType::ServerDisconnect:
        case MessageType::UserConnected:
        case MessageType::ProblemChanged:
            break;
        }
    }
    // A type only the workbench sends, or a code no type has.
    m_notices.Add("Received invalid message!");
}

void ExternalSolverServer::RefuseSolutions(int number, const std::string& why) {
    SetHasSolutions(false, number);
    m_notices.Add("Solution(s) ignored.  Incorrect problem\n");
    if (!why.empty()) m_notices.Add("User#" + std::to_string(number) + ": " + why);
}

void ExternalSolverServer::ReceiveSolutions(int number, std::string text) {
    m_notices.Add("received solutions!\n");
    if (!HasProblem(number)) {
        CancelCheck(number);
        RefuseSolutions(number, "");
        return;
    }
    if (auto running = m_checking.find(number); running != m_checking.end()) {
        // The newest text counts: the running check stops, and this one starts when it ends.
        running->second.stop->store(true);
        m_checkWaiting[number] = std::move(text);
        return;
    }
    StartCheck(number, std::move(text));
}

void ExternalSolverServer::StartCheck(int number, std::string text) {
    if (m_problemText.empty()) {
        RefuseSolutions(number, "the problem they were sent for cannot be read");
        return;
    }
    if (!m_checkProblem) m_checkProblem = std::make_shared<CheckProblem>(m_problemText);
    JoinFinishedJobs(false);
    unsigned generation;
    {
        std::lock_guard lock(m_descriptionLock);
        generation = m_generation;
    }
    const std::uint64_t sequence = ++m_checkSequence;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    auto done = std::make_shared<std::atomic<bool>>(false);
    m_checking[number] = Checking{sequence, stop};
    // The thread owns the text, shares the read-only problem, and leaves its result in the
    // mailbox; nothing else of this object is touched.
    std::thread thread([this, number, sequence, generation, stop, done, source = m_checkProblem,
                        text = std::move(text)]() mutable {
        CheckResult result;
        result.number = number;
        result.sequence = sequence;
        result.generation = generation;
        result.stop = stop;
        try {
            std::call_once(source->parsed, [&] {
                std::string failure;
                source->problem = ParseProblem(source->text, failure);
            });
            if (!source->problem) throw SolutionsTextError("the problem they were sent for cannot be read");
            result.solutions = ExternalSolutionsReader::Read(text, *source->problem, stop.get());
            result.text = std::move(text);
            result.accepted = true;
        } catch (const Platform::Cancelled&) {
            stop->store(true);
        } catch (const std::exception& e) {
            result.failure = e.what();
        }
        {
            std::lock_guard lock(m_handOverLock);
            m_checked.push_back(std::move(result));
        }
        if (m_wake) m_wake();
        done->store(true);
    });
    m_jobs.push_back(RenderJob{std::move(thread), std::move(done)});
}

void ExternalSolverServer::DeliverCheck(CheckResult& result) {
    const int number = result.number;
    if (auto running = m_checking.find(number);
        running != m_checking.end() && running->second.sequence == result.sequence)
        m_checking.erase(running);
    unsigned generation;
    {
        std::lock_guard lock(m_descriptionLock);
        generation = m_generation;
    }
    // Dropped when the program left, sent newer solutions or was told of a new problem.
    const bool current = !result.stop->load() && FindUser(number) != nullptr &&
                         result.generation == generation && HasProblem(number);
    if (current) {
        if (result.accepted) {
            SetHasSolutions(true, number);
            SetUserSolutions(result.text, number);
            if (CUser* user = FindUser(number)) user->checkedSolutions = std::move(result.solutions);
        } else {
            RefuseSolutions(number, result.failure);
        }
    }
    if (m_checking.count(number) != 0) return;
    auto waiting = m_checkWaiting.find(number);
    if (waiting == m_checkWaiting.end()) return;
    std::string text = std::move(waiting->second);
    m_checkWaiting.erase(waiting);
    if (FindUser(number) == nullptr) return;
    if (!HasProblem(number)) {
        RefuseSolutions(number, "");
        return;
    }
    StartCheck(number, std::move(text));
}

void ExternalSolverServer::CancelCheck(int number) {
    if (auto running = m_checking.find(number); running != m_checking.end())
        running->second.stop->store(true);
    m_checkWaiting.erase(number);
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
    std::vector<CheckResult> checked;
    {
        std::lock_guard lock(m_handOverLock);
        ready.swap(m_handOvers);
        checked.swap(m_checked);
    }
    for (const HandOver& h : ready)
        HandOverDescription(h.rendered, h.generation, h.failure);
    for (CheckResult& result : checked)
        DeliverCheck(result);
    JoinFinishedJobs(false);
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
    // Checks against the old problem are of no use; their results would be dropped.
    for (auto& [number, checking] : m_checking)
        checking.stop->store(true);
    m_checkWaiting.clear();
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
    if (!chooseProgram) return;
    if (const std::optional<int> chosen = chooseProgram(slaves)) SendProblem(*chosen);
}

void ExternalSolverServer::ShowExternalSolutions() {
    UserList holders;
    GetSolutionHolders(holders);
    if (holders.empty()) {
        if (showBox) showBox("No external solver solutions to display!");
        return;
    }
    if (!chooseProgram) return;
    if (const std::optional<int> chosen = chooseProgram(holders)) LoadExternalSolutions(*chosen);
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
