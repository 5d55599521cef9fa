#include "workbench/SolverRun.hpp"

#include "language/ParserErr.hpp"
#include "language/raw/RawValueText.hpp"

#include <exception>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace TavLanguage;

namespace TavWorkbench {

namespace {

// The text a solution store column shows for a value; none gives an empty text, so that the
// column still holds one text per solution.
std::string ValueText(const RPtr<RawExpr>& value) {
    return value ? RawValueText(*value) : std::string();
}

// One step below normal, as the user-interface thread should win over the search.
void LowerThisThreadsPriority() {
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, tid);
    if (errno == 0) (void)::setpriority(PRIO_PROCESS, tid, current + 1);
}

} // namespace

SolverRun::SolverRun(std::shared_ptr<RunMailbox> mailbox, std::mutex& solveLock, RawSolver* solver,
                     int requested, CSolutionArray* solutions, SolutionListener listener)
    : m_mailbox(std::move(mailbox)), m_solveLock(solveLock), m_current(solver), m_requested(requested),
      m_solutions(solutions), m_engines{solver}, m_sequence(false), m_listener(std::move(listener)) {}

SolverRun::SolverRun(std::shared_ptr<RunMailbox> mailbox, std::mutex& solveLock,
                     std::vector<RawSolver*> engines, int requested, CSolutionArray* solutions,
                     SolutionListener listener)
    : m_mailbox(std::move(mailbox)), m_solveLock(solveLock),
      m_current(engines.empty() ? nullptr : engines[0]), m_requested(requested), m_solutions(solutions),
      m_engines(std::move(engines)), m_sequence(true), m_listener(std::move(listener)) {}

SolverRun::~SolverRun() {
    Join();
}

void SolverRun::Start() {
    m_thread = std::thread([this] {
        LowerThisThreadsPriority();
        if (m_sequence) {
            SolveSequenceThreadProc(this);
        } else {
            SolveSingleThreadProc(this);
        }
    });
}

bool SolverRun::HasEnded() {
    std::lock_guard lock(m_endMutex);
    return m_ended;
}

bool SolverRun::WaitEnded(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_endMutex);
    return m_endSignal.wait_for(lock, timeout, [this] { return m_ended; });
}

void SolverRun::Join() {
    if (m_thread.joinable()) m_thread.join();
}

void SolverRun::Ended() {
    {
        std::lock_guard lock(m_endMutex);
        m_ended = true;
    }
    m_endSignal.notify_all();
}

bool SolverRun::Search(RawSolver& solver) {
    m_current.store(&solver);
    std::lock_guard busy(m_searchLock);
    return solver.Solve();
}

int SolverRun::SolveSingleThreadProc(SolverRun* run) {
    int found = 0;
    bool last = false;
    bool stoppedWithSolution = false;
    RawSolver* solver = run->m_engines.empty() ? nullptr : run->m_engines[0];
    try {
        while (solver != nullptr && run->m_requested != 0) {
            last = run->Search(*solver);
            if (!last) break;
            if (run->m_stop.load()) {
                // A search being stopped may still return a solution: it is kept.
                run->RecordSolution(found + 1, *solver);
                stoppedWithSolution = true;
                break;
            }
            ++found;
            run->RecordSolution(found, *solver);
            last = false;
            run->m_mailbox->PostProgress(found);
            if (found == run->m_requested) break;
        }
    } catch (const ParserErr& e) {
        run->m_error = e.Message();
    } catch (const std::exception& e) {
        run->m_error = e.what();
    }
    run->m_mailbox->PostProgress(stoppedWithSolution ? found + 1 : found);
    run->m_mailbox->PostFinished(found);
    run->Ended();
    return 0;
}

int SolverRun::SolveSequenceThreadProc(SolverRun* run) {
    int found = 0;
    const int engines = static_cast<int>(run->m_engines.size());
    try {
        int i = 0;
        bool exhausted = engines == 0;
        while (!exhausted) {
            RawSolver& current = *run->m_engines[static_cast<std::size_t>(i)];
            run->m_mailbox->PostEngineStarted(i);
            if (run->Search(current)) {
                ++found;
                run->RecordSolution(found, current);
                run->m_mailbox->PostEngineSolved(i);
                run->m_mailbox->PostProgress(found);
            } else {
                run->m_engineTimeout.store(false);
                if (i + 1 < engines) {
                    ++i;
                } else {
                    exhausted = true;
                }
            }
            if (found == run->m_requested || run->m_stop.load()) break;
        }
    } catch (const ParserErr& e) {
        run->m_error = e.Message();
    } catch (const std::exception& e) {
        run->m_error = e.what();
    }
    run->m_mailbox->PostProgress(found);
    run->m_mailbox->PostFinished(found);
    run->Ended();
    return 0;
}

void SolverRun::RecordSolution(int k, RawSolver& solver) {
    std::lock_guard lock(m_solveLock);
    const RawSolutions& solutions = solver.GetSolutions();
    if (solutions.IsEmpty()) return;
    const RawSolution& solution = solutions.Last();
    if (solution.GetSize() == 0) return;
    int column = 0;
    for (const RawLabel& label : solution.GetLabels())
        m_solutions->GetVarSolution(column++, label.GetName())->AddValue(ValueText(label.GetValue()));
    if (solution.GetCost().GetName() == "cost")
        m_solutions->GetVarSolution(column++, "Cost")->AddValue(ValueText(solution.GetCost().GetValue()));
    if (solution.GetSoftCost().GetName() == "soft cost")
        m_solutions->GetVarSolution(column++, "Soft Cost")
            ->AddValue(ValueText(solution.GetSoftCost().GetValue()));
    if (m_listener) m_listener(solution, k);
}

} // namespace TavWorkbench
