#pragma once
// The whole problem model of a document, as a ".tav" file holds it: domains, variables,
// constraints, constants and the optimisation target (element 0; empty for none). Every change
// of its arrays is told to the observers that subscribed (the problem tree follows it so).

#include "workbench/model/CConArray.hpp"
#include "workbench/model/CConstArray.hpp"
#include "workbench/model/CDomainArray.hpp"
#include "workbench/model/CVarArray.hpp"
#include "workbench/model/ModelAnnouncer.hpp"
#include "workbench/model/OptimisationList.hpp"

namespace TavWorkbench {

struct TavModel {
    CDomainArray domains;
    CVarArray variables;
    CConArray constraints;
    CConstArray constants;
    OptimisationList optimisation;

    TavModel();
    // Takes over every element of `other`, which is left empty; no observer comes along.
    TavModel(TavModel&& other);
    TavModel(const TavModel&) = delete;
    TavModel& operator=(const TavModel&) = delete;
    TavModel& operator=(TavModel&&) = delete;

    // Deletes every element (one reset for the observers).
    void Clear();
    // Deletes this model's elements and takes over every element of `other`, which is left
    // empty; the arrays themselves stay where they are. Each model's observers hear one reset.
    void TakeFrom(TavModel& other);

    // `observer` hears of every change from now on, until it unsubscribes; it must unsubscribe
    // before it is destroyed, and before the model is. Observing changes nothing in the model.
    void Subscribe(ModelObserver& observer) const { m_announcer.Subscribe(observer); }
    void Unsubscribe(ModelObserver& observer) const { m_announcer.Unsubscribe(observer); }

    // While a Batch lives the model's changes are only noted; when the last one ends, its
    // observers hear one reset if anything changed. For building a problem anew.
    class Batch {
    public:
        explicit Batch(TavModel& model) : m_announcer(model.m_announcer) { m_announcer.BeginBatch(); }
        ~Batch() { m_announcer.EndBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ModelAnnouncer& m_announcer;
    };

private:
    mutable ModelAnnouncer m_announcer;
};

} // namespace TavWorkbench
