#include "workbench/HeadlessSolveDriver.hpp"

namespace TavWorkbench {

HeadlessSolveDriver::HeadlessSolveDriver(CTavDoc& doc)
    : m_doc(doc), m_clock([this] { return m_now ? m_now() : Clock::now(); }),
      m_session(std::make_unique<SolveSession>(doc, m_clock)),
      m_interruptPoll(m_clock.MakeTimer([this] { PollInterrupt(); })) {
    m_session->SetObserver(this);
}

HeadlessSolveDriver::~HeadlessSolveDriver() {
    // The session ends a solve still going on, while the clock and the observer still stand.
    m_interruptPoll.reset();
    m_session.reset();
}

bool HeadlessSolveDriver::StartSession(const SolveSettings& settings) {
    m_outcome = Outcome();
    m_finished = false;
    // With a clock of its own the test decides when the limit runs out: building is never cut.
    const auto building = m_now ? SolveSession::Building::Counted : SolveSession::Building::CutAtLimit;
    const SolveSession::Started started = m_session->Start(settings, building);
    if (started == SolveSession::Started::No) return false;
    m_outcome.started = true;
    if (started == SolveSession::Started::TimedOutWhileBuilding) {
        m_outcome.timedOut = true;
        return false;
    }
    if (m_interrupt != nullptr) m_interruptPoll->Start(kInterruptPoll, true);
    return true;
}

bool HeadlessSolveDriver::Start(int count) {
    return StartSession(m_doc.GetSolveSettings(count));
}

HeadlessSolveDriver::Outcome HeadlessSolveDriver::Run(const SolveSettings& settings) {
    if (!StartSession(settings)) return m_outcome;
    m_clock.Serve([this] { return m_finished; },
                  [this](std::chrono::milliseconds timeout) {
                      m_doc.WaitForPosted(timeout);
                      m_session->DeliverEvents();
                  });
    if (m_session->TimedOut()) m_outcome.timedOut = true;
    return m_outcome;
}

void HeadlessSolveDriver::PollInterrupt() {
    if (m_interrupt == nullptr || !m_interrupt->load() || !m_doc.IsSolving()) return;
    m_outcome.interrupted = true;
    m_session->Interrupt();
}

void HeadlessSolveDriver::progress(int found) {
    (void)found;
    ++m_outcome.progressEvents;
}

void HeadlessSolveDriver::finished(int found) {
    ++m_outcome.finishedEvents;
    m_outcome.found = found;
    m_finished = true;
    m_interruptPoll->Stop();
}

void HeadlessSolveDriver::engineStarted(int position) {
    (void)position;
    ++m_outcome.enginesStarted;
}

void HeadlessSolveDriver::engineSolved(int position) {
    (void)position;
    ++m_outcome.enginesSolved;
}

} // namespace TavWorkbench
