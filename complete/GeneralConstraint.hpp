#pragma once
// Base of the constraints over any number of arguments.

#include "complete/Constraint.hpp"

namespace GFCLib {

class GeneralConstraint : public Constraint {
public:
    GeneralConstraint() = default;
    explicit GeneralConstraint(const std::vector<CPObject*>& args) : Constraint(args) {}
};

} // namespace GFCLib
