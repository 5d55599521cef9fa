#pragma once
// What a view of the problem model hears when the model changes: an element of a kind added,
// removed or changed at its index, or the model replaced as a whole. A view subscribes with
// TavModel::Subscribe and unsubscribes before it is destroyed; the model must outlive it.

namespace TavWorkbench {

// The model's kinds of element, one per array (the optimisation target is the list's entry 0).
enum class ModelKind { Domain, Variable, Constraint, Constant, Optimisation };

class ModelObserver {
public:
    virtual ~ModelObserver() = default;
    // Each is called after the change, with the model already in its new state.
    // Element `index` of `kind` is new (appended).
    virtual void Added(ModelKind kind, int index) = 0;
    // Element `index` of `kind` is gone; the later ones moved down by one.
    virtual void Removed(ModelKind kind, int index) = 0;
    // Element `index` of `kind` was replaced; -1 for the optimisation list as a whole.
    virtual void Changed(ModelKind kind, int index) = 0;
    // The model was emptied, loaded or built anew: anything may differ.
    virtual void Reset() = 0;
};

} // namespace TavWorkbench
