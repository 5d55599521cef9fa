#include "workbench/model/TavModel.hpp"

namespace TavWorkbench {

TavModel::TavModel() {
    domains.SetAnnouncer(&m_announcer);
    variables.SetAnnouncer(&m_announcer);
    constraints.SetAnnouncer(&m_announcer);
    constants.SetAnnouncer(&m_announcer);
    optimisation.SetAnnouncer(&m_announcer);
}

TavModel::TavModel(TavModel&& other) : TavModel() {
    TakeFrom(other);
}

void TavModel::Clear() {
    const Batch batch(*this);
    domains.RemoveAll();
    variables.RemoveAll();
    constraints.RemoveAll();
    constants.RemoveAll();
    optimisation.clear();
}

void TavModel::TakeFrom(TavModel& other) {
    if (&other == this) return;
    const Batch mine(*this);
    const Batch theirs(other);
    domains.TakeFrom(other.domains);
    variables.TakeFrom(other.variables);
    constraints.TakeFrom(other.constraints);
    constants.TakeFrom(other.constants);
    optimisation.TakeFrom(other.optimisation);
}

} // namespace TavWorkbench
