#pragma once
// The assignment operations of the searches: random start, full evaluation, and giving a
// variable a value index while passing the change only to the constraints that need it.

#include "localsearch/search/Move.hpp"

namespace GLSLib {

class ConsiderCons;
class FeatureWrapper;
class GLSCSP;
class UpdateCons;
class _ConIdxInVar;

class VarsLabels {
public:
    virtual ~VarsLabels() = default;

    // Every variable gets the value index Rand() % domain size (in list order), without
    // propagation.
    void RandomAssignment(GLSCSP& problem);
    // Every constraint of the problem (and the objective) is initialised.
    void InitialiseConstraints(GLSCSP& problem);
    // Sets the value index and passes the new value to every dependent.
    void Assign(const Move& m);
    // The same, but only through the links of the considered problem constraints and of the
    // objective.
    void AssignConsidered(const Move& m, const ConsiderCons& consider, const _ConIdxInVar& index);
    // Only through the links of the constraints that are considered and flagged in UpdateCons,
    // and of the objective.
    void AssignTabulated(const Move& m, const UpdateCons& update, const ConsiderCons& consider,
                         const _ConIdxInVar& index);
    // Sets the value index of the variable at index i of the constraint conId and passes its
    // value through that constraint's link alone, then tells the constraint's feature.
    // Only conId and the nodes between the variable and it change.
    static void PassThroughLink(const _ConIdxInVar& index, FeatureWrapper& features, int conId, int i,
                                IntVar* x, int valueIndex);
};

} // namespace GLSLib
