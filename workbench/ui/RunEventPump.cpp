#include "workbench/ui/RunEventPump.hpp"

#include "workbench/CTavDoc.hpp"

namespace TavWorkbench::Ui {

RunEventPump::RunEventPump(CTavDoc& doc, QObject* parent)
    : QObject(parent), m_doc(doc), m_shared(std::make_shared<Shared>()) {
    m_shared->target = this;
    m_later.setSingleShot(true);
    connect(&m_later, &QTimer::timeout, this, &RunEventPump::DeliverNow);
    std::weak_ptr<Shared> weak = m_shared;
    m_doc.SetEventWaker([weak] {
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
    if (m_held > 0) {
        m_waiting = true;
        return;
    }
    if (m_sinceLast.isValid() && m_sinceLast.elapsed() < kMinInterval) {
        if (!m_later.isActive()) m_later.start(static_cast<int>(kMinInterval - m_sinceLast.elapsed()));
        return;
    }
    DeliverNow();
}

void RunEventPump::Hold() {
    ++m_held;
}

void RunEventPump::Release() {
    if (m_held > 0 && --m_held == 0 && m_waiting) {
        m_waiting = false;
        DeliverNow();
    }
}

void RunEventPump::DeliverNow() {
    if (m_held > 0) {
        m_waiting = true;
        return;
    }
    m_later.stop();
    // A handler may open a box whose event loop wakes the pump again: that delivery waits
    // until this one is through, so the events keep their order.
    if (m_delivering) {
        m_again = true;
        return;
    }
    m_delivering = true;
    do {
        m_again = false;
        m_doc.DeliverEvents();
        ++m_deliveries;
    } while (m_again && m_held == 0);
    m_delivering = false;
    m_sinceLast.restart();
}

} // namespace TavWorkbench::Ui
