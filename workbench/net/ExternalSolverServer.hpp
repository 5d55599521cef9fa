#pragma once
// The workbench as the result server's owner: it accepts every program, announces who comes
// and goes, answers each message type, renders the problem description on a thread of its own
// and hands it over on the user-interface thread, keeps each program's checked solutions, and
// runs the two menu commands (send the problem to a chosen slave; show a program's solutions).
//
// Threads: everything runs on the user-interface thread except the description threads, which
// only render a problem they own into text and store it under the description lock, and the
// check threads, which read a program's solutions text against the problem it was sent (parsed
// once, on the first check's thread) so that no text a program sends holds up the others.
// Each thread leaves its result in a mailbox under its own lock and calls the wake function,
// which asks the user-interface thread to call DeliverHandOvers. The wake carries no data, so
// a host can pass it on by a plain queued call. A check result carries its program's number,
// its own sequence number and the problem's generation: it is dropped when the program has
// left, sent newer solutions or been told of a new problem meanwhile. A program has at most
// one check running; newer solutions stop it and wait for its end. Nothing that arrives from
// the network shows a box: such notices go to the NoticeLog. The menu commands show their
// boxes through showBox.

#include "workbench/net/CServerObj.hpp"
#include "workbench/net/ExternalDocument.hpp"
#include "workbench/net/NoticeLog.hpp"

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace TavLanguage {
class RawCSP;
}

namespace TavNet {

class ExternalSolverServer : public CServerObj {
public:
    // Called on a description thread when a hand-over waits: the host arranges for
    // DeliverHandOvers to be called on the user-interface thread. Must not block.
    using Wake = std::function<void()>;

    explicit ExternalSolverServer(Wake wake, MessageLimits limits = {});
    ~ExternalSolverServer() override;

    // The active document (null: none); not owned. Its problem as it stands is the one
    // DocumentChanged compares with.
    void SetDocument(ExternalDocument* document);
    NoticeLog& Notices() { return m_notices; }
    // Boxes of the menu commands (text).
    std::function<void(const std::string&)> showBox;
    // Runs the "External Solvers" dialog on the programs listed (solver name, user number): the
    // user number chosen, nothing when none was (or there is no dialog).
    std::function<std::optional<int>(const UserList& programs)> chooseProgram;

    void ResetUserState(int number);
    // Sends the current problem to one program, rendering its description first if needed.
    void SendProblem(int number);
    // Tells every program that the problem changed; solutions and descriptions of the old one
    // are no longer taken.
    void ProblemChanged();
    // The document may have changed (any edit, a new or opened document): the notice goes out
    // when its problem text differs from the one last announced, so a command that changed
    // nothing (a dialog cancelled, the solver parameters) keeps the programs' solutions.
    void DocumentChanged();
    // Options/External Solver and View/External Results.
    void ChooseExternalSolver();
    void ShowExternalSolutions();
    // Fills the document's solution store with a program's checked solutions.
    void LoadExternalSolutions(int number);
    // Both menu commands are enabled while a program is connected.
    bool CommandsEnabled() const { return GetUserCount() > 0; }

    bool IsDescriptionReady() const;
    std::string DescriptionText() const;
    // Hands over every description rendered since the last call (user-interface thread).
    void DeliverHandOvers();
    // Description threads started and not yet handed over.
    int RenderingCount() const { return m_rendering; }
    // Programs whose solutions are being checked (results not yet delivered).
    int CheckingCount() const { return static_cast<int>(m_checking.size()); }
    // The checked solutions a program holds (empty when none).
    ExternalSolutions UserSolutions(int number) const;

protected:
    bool CanAcceptUser() override { return true; }
    void OnUserConnected(int number) override;
    void OnMessageReceived(int number, const CMessage& message) override;
    void OnUserDisconnected(int number) override;
    void OnInvalidStream(int number, const std::string& reason) override;
    void OnMemoryBoundReached(int number, const std::string& reason) override;

private:
    struct RenderJob {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    struct HandOver {
        bool rendered;
        unsigned generation;
        std::string failure;
    };
    // The problem solutions are checked against: its text, parsed by the first check that
    // needs it, on that check's thread; read-only after that.
    struct CheckProblem {
        explicit CheckProblem(std::string problemText) : text(std::move(problemText)) {}
        const std::string text;
        std::once_flag parsed;
        // Shared, as the parse that made it: the type is incomplete here.
        std::shared_ptr<TavLanguage::RawCSP> problem;
    };
    // The check running for a program.
    struct Checking {
        std::uint64_t sequence;
        std::shared_ptr<std::atomic<bool>> stop;
    };
    struct CheckResult {
        int number = 0;
        std::uint64_t sequence = 0;
        unsigned generation = 0;
        // Set when the result is no longer wanted (newer solutions, the program left).
        std::shared_ptr<std::atomic<bool>> stop;
        bool accepted = false;
        ExternalSolutions solutions;
        std::string text;
        std::string failure;
    };
    void StartDescriptionThread(int number, std::unique_ptr<TavLanguage::RawCSP> problem);
    void StoreDescription(const std::string& text);
    void HandOverDescription(bool rendered, unsigned generation, const std::string& failure);
    void ReceiveSolutions(int number, std::string text);
    void StartCheck(int number, std::string text);
    void DeliverCheck(CheckResult& result);
    // Stops the program's running check (its result is dropped) and forgets what waits.
    void CancelCheck(int number);
    void RefuseSolutions(int number, const std::string& why);
    void JoinFinishedJobs(bool all);
    void SendText(MessageType type, const std::string& text);

    Wake m_wake;
    // Rendered descriptions waiting for the user-interface thread.
    std::mutex m_handOverLock;
    std::vector<HandOver> m_handOvers;
    std::vector<CheckResult> m_checked;
    ExternalDocument* m_document = nullptr;
    NoticeLog m_notices;

    // Guards the description text, whether it is ready, and the problem's generation.
    mutable std::mutex m_descriptionLock;
    bool m_descriptionReady = false;
    std::string m_descriptionText;
    unsigned m_generation = 0;

    // The document's problem text when the last notice went out (or the document was set).
    std::string m_announcedText;
    // The problem text the current generation's description is rendered from, and the problem
    // solutions are checked against (made when the first solutions arrive).
    std::string m_problemText;
    std::shared_ptr<CheckProblem> m_checkProblem;
    // Description and check threads not yet joined.
    std::list<RenderJob> m_jobs;
    // The check running for each program, and the latest solutions waiting for it to end.
    std::map<int, Checking> m_checking;
    std::map<int, std::string> m_checkWaiting;
    std::uint64_t m_checkSequence = 0;
    int m_rendering = 0;
    // Programs waiting for the description being rendered for the current generation (a
    // request while one renders waits for it instead of starting another).
    std::vector<int> m_waiting;
    bool m_renderInFlight = false;
    unsigned m_renderGeneration = 0;
};

} // namespace TavNet
