#pragma once
// The external solver program without its window: the connection to the workbench, the
// dialog's model and the protocol between them. It registers, asks for the problem (Master)
// or waits for it (Slave), reads and solves it on a worker thread of its own through the
// SolverInterface, each run within the dialog's time limit, and sends the solutions back: on
// "Send Solution(s)" as Master, by itself as Slave. Stop ends a solve in either role.
//
// Threads: everything here runs on the thread that owns the object, except the reading of a
// problem and the solve. The worker only calls the solver interface and posts its results
// back (the new best costs, the problem read, the end of the run, each tagged with its job)
// through a mailbox under its own lock and a ThreadWake; it never touches the dialog's model.

#include "extsolver/CClientObj.hpp"
#include "extsolver/MelvaneDlgModel.hpp"
#include "extcore/SolverInterface.hpp"
#include "protocol/ThreadWake.hpp"

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>

namespace Melvane {

class CMelvaneApp : public CClientObj {
    Q_OBJECT
public:
    // hostName is the default server name.
    explicit CMelvaneApp(const std::string& hostName, QObject* parent = nullptr);
    ~CMelvaneApp() override;

    MelvaneDlgModel& Dialog() { return m_dialog; }
    const MelvaneDlgModel& Dialog() const { return m_dialog; }
    SolverInterface& Solver() { return m_solver; }
    const std::string& ProblemText() const { return m_problemText; }

    // Shows a box that the user asked for by a button (a field check, a refused connection):
    // text and caption. Unset: nothing is shown beyond the log.
    std::function<void(const std::string& text, const std::string& caption)> showBox;

    // The dialog's buttons. Each returns false when it did nothing (a field failed its check,
    // the connection was refused); the field error is then in LastFieldError.
    bool OnConnect();
    void OnReadProblem();
    bool OnSolveProblem();
    void OnSendSolutions();
    void OnStopSolving();
    void OnMaster();
    const std::optional<FieldError>& LastFieldError() const { return m_fieldError; }

    // The end of the program: leaves the server (without a goodbye message) and ends a solve.
    void ExitInstance();

signals:
    // A run ended and its results are in the dialog's model.
    void solveFinished(bool found);
    // A message was handled (its type).
    void messageHandled(int type);
    // The connection closed unexpectedly.
    void connectionLost();

protected:
    void OnMessage(const TavNet::CMessage& message) override;
    void OnClose(int reason) override;

private:
    struct RunSettings {
        int runs;
        std::chrono::nanoseconds runLimit;
        int parameters[9];
    };
    // What the worker posts: a new best assignment's costs, the problem read (or refused), or
    // the end of its run with its results; each tagged with its job.
    struct WorkerEvent {
        enum class Kind { NewBest, Loaded, Finished };
        WorkerEvent(Kind k, unsigned r) : kind(k), run(r) {}
        Kind kind;
        unsigned run;
        SolverInterface::BestCosts best;
        // Loaded: why the problem was refused; empty when it was read.
        std::string refusal;
        bool found = false;
        std::string text;
        std::string report;
    };
    bool ReadFields(bool fromNetwork = false);
    bool SolveProblem(bool fromNetwork);
    void SendSolverName(const std::string& name);
    // Reads the problem text on the worker, then solves it when settings are given.
    void StartWorker(std::optional<RunSettings> settings);
    void WorkerProc(std::stop_token stop, std::optional<RunSettings> settings, std::string problem,
                    unsigned run);
    // The stored problem arrived: read it, and solve it at once as Slave.
    void TakeProblem();
    void OnProblemLoaded(unsigned run, const std::string& refusal);
    void OnSolveFinished(unsigned run, bool found, const std::string& text, const std::string& report);
    void OnNewBestCost(unsigned run, const SolverInterface::BestCosts& best);
    // The buttons once a solve has ended, in either role.
    void EndSolve(bool found);
    // Worker thread: leaves the event in the mailbox and wakes the owner's thread.
    void PostFromWorker(WorkerEvent event);
    void DeliverWorkerEvents();
    void JoinWorker();
    void Log(const std::string& text) { m_dialog.AddToLog(text); }

    MelvaneDlgModel m_dialog;
    SolverInterface m_solver;
    std::string m_problemText;
    MelvaneSettings m_settings;
    std::optional<FieldError> m_fieldError;
    std::jthread m_worker;
    // The job the worker is on; posts of an earlier job are dropped.
    unsigned m_run = 0;
    // The worker is reading a received problem without solving it; another problem that
    // arrives meanwhile is read once it is done.
    bool m_loading = false;
    bool m_problemWaiting = false;
    std::mutex m_mailboxLock;
    std::deque<WorkerEvent> m_mailbox;
    TavNet::ThreadWake m_wake{[this] { DeliverWorkerEvents(); }};
};

} // namespace Melvane
