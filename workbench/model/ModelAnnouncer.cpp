#include "workbench/model/ModelAnnouncer.hpp"

#include <algorithm>

namespace TavWorkbench {

void ModelAnnouncer::Subscribe(ModelObserver& observer) {
    if (std::find(m_observers.begin(), m_observers.end(), &observer) == m_observers.end())
        m_observers.push_back(&observer);
}

void ModelAnnouncer::Unsubscribe(ModelObserver& observer) {
    std::erase(m_observers, &observer);
}

template <class Fn> void ModelAnnouncer::Tell(Fn fn) {
    if (m_batchDepth > 0) {
        m_held = true;
        return;
    }
    // An observer told may unsubscribe itself or another: each is told only while subscribed.
    const std::vector<ModelObserver*> observers = m_observers;
    for (ModelObserver* observer : observers)
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end()) fn(*observer);
}

void ModelAnnouncer::Added(ModelKind kind, int index) {
    Tell([&](ModelObserver& observer) { observer.Added(kind, index); });
}

void ModelAnnouncer::Removed(ModelKind kind, int index) {
    Tell([&](ModelObserver& observer) { observer.Removed(kind, index); });
}

void ModelAnnouncer::Changed(ModelKind kind, int index) {
    Tell([&](ModelObserver& observer) { observer.Changed(kind, index); });
}

void ModelAnnouncer::Reset() {
    Tell([](ModelObserver& observer) { observer.Reset(); });
}

void ModelAnnouncer::EndBatch() {
    if (m_batchDepth == 0 || --m_batchDepth > 0 || !m_held) return;
    m_held = false;
    Reset();
}

} // namespace TavWorkbench
