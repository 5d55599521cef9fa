#pragma once
// Brings a solve's events from its run thread to the user-interface thread. The run thread's
// waker asks for one queued delivery at a time; the delivery hands every pending event to the
// solve session (which holds them while its question is open, and takes them from the
// document, which knows each run's receiver, so an ended run's events never reach the next
// run). Deliveries come at most every kMinInterval, so a solver that finds thousands of
// solutions a second leaves the window time to breathe.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>

namespace TavWorkbench {
class CTavDoc;
class SolveSession;
} // namespace TavWorkbench

namespace TavWorkbench::Ui {

class RunEventPump : public QObject {
    Q_OBJECT
public:
    static constexpr int kMinInterval = 100; // milliseconds

    // Installs its waker on `doc` (effective from the next solve); delivers to `session`.
    RunEventPump(CTavDoc& doc, SolveSession& session, QObject* parent = nullptr);
    ~RunEventPump() override;

    // Delivers every pending event now.
    void DeliverNow();
    // Deliveries made so far (each hands over any number of coalesced events).
    int Deliveries() const { return m_deliveries; }

private:
    struct Shared {
        std::mutex mutex;
        RunEventPump* target = nullptr;
        bool scheduled = false;
    };

    void Woken();

    SolveSession& m_session;
    std::shared_ptr<Shared> m_shared;
    QElapsedTimer m_sinceLast;
    QTimer m_later;
    int m_deliveries = 0;
};

} // namespace TavWorkbench::Ui
