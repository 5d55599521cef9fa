#include "workbench/ui/RunEventPump.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/SolveSession.hpp"

namespace TavWorkbench::Ui {

RunEventPump::RunEventPump(CTavDoc& doc, SolveSession& session, QObject* parent)
    : QObject(parent), m_session(session), m_shared(std::make_shared<Shared>()) {
    m_shared->target = this;
    m_later.setSingleShot(true);
    connect(&m_later, &QTimer::timeout, this, &RunEventPump::DeliverNow);
    std::weak_ptr<Shared> weak = m_shared;
    doc.SetEventWaker([weak] {
        const std::shared_ptr<Shared> shared = weak.lock();
        if (!shared) return;
        std::lock_guard lock(shared->mutex);
        if (shared->target == nullptr || shared->scheduled) return;
        shared->scheduled = true;
        RunEventPump* const target = shared->target;
        QMetaObject::invokeMethod(
            target, [target] { target->Woken(); }, Qt::QueuedConnection);
    });
}

RunEventPump::~RunEventPump() {
    std::lock_guard lock(m_shared->mutex);
    m_shared->target = nullptr;
}

void RunEventPump::Woken() {
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->scheduled = false;
    }
    if (m_sinceLast.isValid() && m_sinceLast.elapsed() < kMinInterval) {
        if (!m_later.isActive()) m_later.start(static_cast<int>(kMinInterval - m_sinceLast.elapsed()));
        return;
    }
    DeliverNow();
}

void RunEventPump::DeliverNow() {
    m_later.stop();
    m_session.DeliverEvents();
    ++m_deliveries;
    m_sinceLast.restart();
}

} // namespace TavWorkbench::Ui
