#pragma once
// The external solver program without its window: the connection to the workbench, the
// dialog's model and the protocol between them. It registers, asks for the problem (Master)
// or waits for it (Slave), solves on a worker thread of its own through the SolverInterface
// and sends the solutions back: on "Send Solution(s)" as Master, by itself as Slave.
//
// Threads: everything here runs on the thread that owns the object, except the solve. The
// worker only calls the solver interface and posts its results back (the new best costs and
// the end of the run, each tagged with its run) through a mailbox under its own lock and a
// ThreadWake; it never touches the dialog's model.

#include "extsolver/CClientObj.hpp"
#include "extsolver/MelvaneDlgModel.hpp"
#include "extsolver/SolverInterface.hpp"
#include "workbench/net/ThreadWake.hpp"

#include <deque>
#include <functional>
#include <mutex>
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
        int parameters[9];
    };
    // What the worker posts: a new best cost, or the end of its run with its results.
    struct WorkerEvent {
        unsigned run;
        bool finished;
        int cost;
        bool found;
        std::string text;
        std::string report;
    };
    bool ReadFields(bool fromNetwork = false);
    bool SolveProblem(bool fromNetwork);
    void SendSolverName(const std::string& name);
    void StartWorker(const RunSettings& settings);
    void SolveThreadProc(RunSettings settings, std::string problem, unsigned run);
    void OnSolveFinished(unsigned run, bool found, const std::string& text, const std::string& report);
    void OnNewBestCost(unsigned run, int cost);
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
    std::thread m_worker;
    // The run the worker is on; posts of an earlier run are dropped.
    unsigned m_run = 0;
    std::mutex m_mailboxLock;
    std::deque<WorkerEvent> m_mailbox;
    TavNet::ThreadWake m_wake{[this] { DeliverWorkerEvents(); }};
};

} // namespace Melvane
