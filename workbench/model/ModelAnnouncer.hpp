#pragma once
// Tells a model's observers of its changes, in the order they subscribed. Between BeginBatch
// and the matching EndBatch the changes are only noted, and the outermost EndBatch tells one
// Reset when there was any: a problem built element by element (a template, a loaded file)
// costs its views one rebuild.

#include "workbench/model/ModelObserver.hpp"

#include <vector>

namespace TavWorkbench {

class ModelAnnouncer {
public:
    ModelAnnouncer() = default;
    ModelAnnouncer(const ModelAnnouncer&) = delete;
    ModelAnnouncer& operator=(const ModelAnnouncer&) = delete;

    // Subscribing twice counts once. An observer may unsubscribe while it is being told.
    void Subscribe(ModelObserver& observer);
    void Unsubscribe(ModelObserver& observer);

    void Added(ModelKind kind, int index);
    void Removed(ModelKind kind, int index);
    void Changed(ModelKind kind, int index);
    void Reset();

    // Batches nest; only the outermost end tells.
    void BeginBatch() { ++m_batchDepth; }
    void EndBatch();

private:
    template <class Fn> void Tell(Fn fn);

    std::vector<ModelObserver*> m_observers;
    int m_batchDepth = 0;
    // A change was noted during the batch.
    bool m_held = false;
};

} // namespace TavWorkbench
