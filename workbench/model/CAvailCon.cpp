#include "workbench/model/CAvailCon.hpp"

namespace TavWorkbench {

std::string CAvailCon::GetHelpText(int helpID) {
    switch (helpID) {
    case 1158:
        return "Ensures that all values in list of variables, or in array variable are different.\n"
               "Use AllDifferent([var1,var2])\nfor list of individual variables\n"
               "Use AllDiffernet(MyArray) for an array variable.";
    case 1159:
        return "Soft makes a constraint desirable to be achieved.\n"
               " A solution can be found that does not obey the constraint.\n"
               "Syntax: Soft(Constraint, Penalty Value);\n"
               "The sum of penalties for constraints not satisfied reported as Soft Cost.";
    default:
        return {};
    }
}

} // namespace TavWorkbench
