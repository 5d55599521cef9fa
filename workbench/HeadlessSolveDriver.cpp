#include "workbench/HeadlessSolveDriver.hpp"

#include <algorithm>

namespace TavWorkbench {

namespace {

constexpr std::chrono::milliseconds kStatisticsInterval(500);
constexpr std::chrono::milliseconds kInterruptPoll(50);

} // namespace

HeadlessSolveDriver::Outcome HeadlessSolveDriver::Run(int count) {
    m_outcome = Outcome();
    m_finished = false;
    m_engineDeadline.reset();
    if (!m_doc.StartSolve(this, count)) return m_outcome;
    m_outcome.started = true;
    const auto limit = std::chrono::milliseconds(std::max(m_doc.GetSearchTimeLimit(), 0));
    auto deadline = Now() + limit;
    auto nextStatistics = Now() + kStatisticsInterval;
    while (!m_finished) {
        auto wake = std::min(deadline, nextStatistics);
        if (m_engineDeadline) wake = std::min(wake, *m_engineDeadline);
        if (m_interrupt != nullptr) wake = std::min(wake, Now() + kInterruptPoll);
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(wake - Now());
        m_doc.WaitForEvents(std::max(wait, std::chrono::milliseconds(0)) + std::chrono::milliseconds(1));
        if (m_finished) break;
        if (m_interrupt != nullptr && m_interrupt->load() && m_doc.IsSolving()) {
            // Repeated while the run lasts: a stop that lands between two searches of an engine
            // may be cleared as the next one starts.
            m_outcome.interrupted = true;
            m_doc.RequestRunStop();
            if (TavLanguage::RawSolver* solver = m_doc.GetSolver(); solver != nullptr) solver->Stop();
            continue;
        }
        const auto now = Now();
        if (m_doc.IsSolving() && now >= deadline) {
            if (m_doc.OnSolveTimeout()) {
                m_outcome.timedOut = true;
            } else {
                deadline = Now() + limit;
                nextStatistics = Now() + kStatisticsInterval;
            }
        }
        if (m_engineDeadline && now >= *m_engineDeadline) {
            m_engineDeadline.reset();
            m_doc.SkipEngine();
        }
        if (m_doc.IsSolving() && now >= nextStatistics) {
            m_doc.ShowStatistics();
            nextStatistics = Now() + kStatisticsInterval;
        }
    }
    return m_outcome;
}

void HeadlessSolveDriver::progress(int found) {
    ++m_outcome.progressEvents;
    m_doc.ShowResults(0, found);
}

void HeadlessSolveDriver::finished(int found) {
    ++m_outcome.finishedEvents;
    m_outcome.found = found;
    m_doc.ShowStatistics();
    m_doc.RunFinished();
    m_engineDeadline.reset();
    m_doc.EndSolve(found != 0);
    m_finished = true;
}

void HeadlessSolveDriver::engineStarted(int position) {
    ++m_outcome.enginesStarted;
    m_doc.EngineStarted(position);
    m_engineDeadline = Now() + std::chrono::seconds(std::max(m_doc.GetEngineInterval(), 1));
}

void HeadlessSolveDriver::engineSolved(int position) {
    ++m_outcome.enginesSolved;
    m_doc.EngineSolved(position);
}

} // namespace TavWorkbench
