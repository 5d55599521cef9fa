#pragma once
// The penalty feature of every constraint and conjunct of the problem and of every conjunct of
// the objective, by constraint id (null where none was made), and the weighted cost that the
// searches read: trunc(violation x (lambda x present x penalty + 1)).

#include <vector>

namespace GLSLib {

class Con;
class Feature;
class GLSCSP;

class FeatureWrapper {
public:
    virtual ~FeatureWrapper() = default;

    // Sized to the constraint count; entry[conjunct id] := the feature that the conjunct
    // creates, for every conjunct of every constraint and of the objective.
    void Build(GLSCSP& problem);
    // Creates the features of c's conjuncts (for a constraint joining the search).
    void AddConstraint(Con* c);
    // Sized to the constraint count, new entries null.
    void Grow();
    void Set(int id, Feature* f);
    Feature* Get(int id) const {
        return static_cast<unsigned>(id) < m_features.size() ? m_features[static_cast<unsigned>(id)]
                                                             : nullptr;
    }
    // present x penalty of the feature of id (0 without a feature).
    int PenaltyTerm(int id) const;
    // present x the penalty before the latest increase.
    int PreviousPenaltyTerm(int id) const;
    // Variable position of the constraint id now has the value index valueIndex.
    void Notify(int id, int position, int valueIndex);
    // c's weighted cost at the current state of its graph, with the feature of c's id.
    int WeightedCost(const Con* c) const;
    // The weighted cost with violation and feature given (the penalty offset by delta, never
    // below 0), for the difference a penalty increase makes.
    static int WeightedCost(double violation, const Feature* f, int penaltyDelta = 0);

private:
    std::vector<Feature*> m_features;
};

} // namespace GLSLib
