#include "localsearch/search/VarsLabels.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/search/ConsiderCons.hpp"
#include "localsearch/search/FeatureWrapper.hpp"
#include "localsearch/search/UpdateCons.hpp"
#include "localsearch/search/_ConIdxInVar.hpp"

namespace GLSLib {

namespace {
void Pass(const _ConIdxInVar::LinkSpan& span, int value) {
    for (const ExprObj::Dependent* d = span.begin; d != span.end; ++d)
        d->node->Update(d->position, value);
}
} // namespace

void VarsLabels::RandomAssignment(GLSCSP& problem) {
    for (IntVar* v : problem.GetVariables())
        v->SetValueIndex(problem.Random().Next() % v->DomainSize());
}

void VarsLabels::InitialiseConstraints(GLSCSP& problem) {
    for (Con* c : problem.GetConstraints())
        c->Initialise();
    if (problem.HasObjective()) problem.GetObjective()->Initialise();
}

void VarsLabels::Assign(const Move& m) {
    m.var->Assign(m.value);
}

void VarsLabels::AssignConsidered(const Move& m, const ConsiderCons& consider, const _ConIdxInVar& index) {
    m.var->SetValueIndex(m.value);
    const int value = m.var->GetValue();
    const int id = m.var->GetId();
    for (const _ConIdxInVar::VarLink& l : index.ConstraintsOf(id))
        if (consider.Get(l.con->GetId())) Pass(index.Link(l.con->GetId(), l.index), value);
    const int j = index.ObjectiveIndex(id);
    if (j >= 0) Pass(index.Link(index.ObjectiveId(), j), value);
}

void VarsLabels::AssignTabulated(const Move& m, const UpdateCons& update, const ConsiderCons& consider,
                                 const _ConIdxInVar& index) {
    m.var->SetValueIndex(m.value);
    const int value = m.var->GetValue();
    const int id = m.var->GetId();
    for (const _ConIdxInVar::VarLink& l : index.ConstraintsOf(id)) {
        const int cid = l.con->GetId();
        if (consider.Get(cid) && update.Get(cid)) Pass(index.Link(cid, l.index), value);
    }
    const int j = index.ObjectiveIndex(id);
    if (j >= 0) Pass(index.Link(index.ObjectiveId(), j), value);
}

void VarsLabels::PassThroughLink(const _ConIdxInVar& index, FeatureWrapper& features, int conId, int i,
                                 IntVar* x, int valueIndex) {
    x->SetValueIndex(valueIndex);
    Pass(index.Link(conId, i), x->GetValue());
    features.Notify(conId, i, valueIndex);
}

} // namespace GLSLib
