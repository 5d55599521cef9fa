#include "workbench/SolveSession.hpp"

#include "platform/Cancelled.hpp"

#include <algorithm>
#include <optional>

namespace TavWorkbench {

SolveSession::SolveSession(CTavDoc& doc, SolveClock& clock)
    : m_doc(doc), m_clock(clock), m_timeLimit(clock.MakeTimer([this] { TimeLimitReached(); })),
      m_statistics(clock.MakeTimer([this] { StatisticsTick(); })),
      m_engineTimer(clock.MakeTimer([this] { m_doc.SkipEngine(); })) {}

SolveSession::~SolveSession() {
    StopTimers();
    if (!m_active) return;
    // The document keeps the ended run's last events for this session: they are taken now,
    // and dropped (the session is no longer active), while it still stands.
    m_active = false;
    m_doc.EndSolve(false);
    m_doc.DeliverEvents();
}

SolveSession::Started SolveSession::Start(const SolveSettings& settings, Building building) {
    m_settings = settings;
    m_doc.SetSolveSettings(settings);
    StopTimers();
    m_timeoutDue = false;
    m_timedOut = false;
    const SolveClock::TimePoint before = m_clock.Now();
    std::optional<std::chrono::steady_clock::time_point> buildDeadline;
    if (building == Building::CutAtLimit)
        buildDeadline = std::chrono::steady_clock::now() + settings.timeLimit;
    bool started = false;
    try {
        started = m_doc.StartSolve(this, settings.solutions, buildDeadline);
    } catch (const Platform::Cancelled&) {
        m_timedOut = true;
        m_doc.Views().SolveStateChanged();
        return Started::TimedOutWhileBuilding;
    }
    if (!started) {
        m_doc.Views().SolveStateChanged();
        return Started::No;
    }
    m_active = true;
    m_found = 0;
    m_doc.Views().RunGoingOn(0);
    std::chrono::milliseconds limit = settings.timeLimit;
    if (building != Building::Uncounted)
        limit -= std::chrono::duration_cast<std::chrono::milliseconds>(m_clock.Now() - before);
    StartTimers(limit);
    m_doc.Views().SolveStateChanged();
    return Started::Yes;
}

void SolveSession::StartTimers(std::chrono::milliseconds limit) {
    m_timeLimit->Start(std::max(limit, std::chrono::milliseconds(0)), false);
    m_statistics->Start(kStatisticsInterval, true);
}

void SolveSession::StopTimers() {
    m_statistics->Stop();
    m_timeLimit->Stop();
    m_engineTimer->Stop();
}

void SolveSession::StatisticsTick() {
    m_doc.ShowStatistics();
    m_doc.Views().RunGoingOn(m_found);
}

void SolveSession::TimeLimitReached() {
    m_timeLimit->Stop();
    if (m_asking) {
        m_timeoutDue = true;
        return;
    }
    if (!m_doc.IsSolving()) return;
    m_asking = true;
    const bool stopped = m_doc.OnSolveTimeout();
    m_asking = false;
    if (stopped) m_timedOut = true;
    if (!stopped && m_doc.IsSolving()) StartTimers(m_settings.timeLimit);
    if (!m_doc.IsSolving()) StopTimers();
    Answered();
    m_doc.Views().SolveStateChanged();
}

void SolveSession::Stop() {
    if (m_asking || !m_doc.IsSolving()) return;
    m_asking = true;
    m_timeoutDue = false;
    m_doc.OnStopSolving();
    m_asking = false;
    if (!m_doc.IsSolving()) {
        StopTimers();
        m_timeoutDue = false;
    }
    Answered();
    m_doc.Views().SolveStateChanged();
    if (m_timeoutDue) {
        m_timeoutDue = false;
        TimeLimitReached();
    }
}

void SolveSession::Interrupt() {
    if (!m_doc.IsSolving()) return;
    m_timeLimit->Stop();
    m_engineTimer->Stop();
    m_doc.RequestRunStop();
    if (TavLanguage::RawSolver* solver = m_doc.GetSolver(); solver != nullptr) solver->Stop();
}

void SolveSession::Answered() {
    if (!m_eventsWaiting) return;
    DeliverEvents();
}

void SolveSession::DeliverEvents() {
    // A handler may open a box whose event loop asks for another delivery: it waits until this
    // one is through, so that the events keep their order.
    if (m_asking || m_delivering) {
        m_eventsWaiting = true;
        return;
    }
    m_delivering = true;
    do {
        m_eventsWaiting = false;
        m_doc.DeliverEvents();
    } while (m_eventsWaiting && !m_asking);
    m_delivering = false;
}

void SolveSession::progress(int found) {
    if (!m_active) return;
    if (m_observer != nullptr) m_observer->progress(found);
    m_found = found;
    m_doc.Views().RunGoingOn(found);
    m_doc.ShowResults(0, found);
    m_doc.Views().SolveStateChanged();
}

void SolveSession::finished(int found) {
    if (!m_active) return;
    if (m_observer != nullptr) m_observer->finished(found);
    m_doc.ShowStatistics();
    m_doc.RunFinished();
    StopTimers();
    m_timeoutDue = false;
    m_active = false;
    m_doc.EndSolve(found != 0);
    m_doc.Views().SolveStateChanged();
}

void SolveSession::engineStarted(int position) {
    if (!m_active) return;
    if (m_observer != nullptr) m_observer->engineStarted(position);
    m_doc.EngineStarted(position);
    m_engineTimer->Start(std::max(m_settings.engineInterval, std::chrono::seconds(1)), false);
}

void SolveSession::engineSolved(int position) {
    if (!m_active) return;
    if (m_observer != nullptr) m_observer->engineSolved(position);
    m_doc.EngineSolved(position);
}

} // namespace TavWorkbench
