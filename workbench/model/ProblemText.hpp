#pragma once
// The problem as modelling-language text, with "\r\n" line breaks: the whole-problem text the
// document parses before a solve, and the check text the problem wizard parses (which also
// counts the lines before its constraints).

#include "workbench/model/CConArray.hpp"
#include "workbench/model/CConstArray.hpp"
#include "workbench/model/CDomainArray.hpp"
#include "workbench/model/CVarArray.hpp"
#include "workbench/model/TavModel.hpp"

#include <string>

namespace TavWorkbench {

// The definition of one domain: keyword, " ", id, "=", then the values by kind
// ("EnumDom c={"red","green"} ;", "IntDom d=[1,N-1];", "SetDom s={1,2} ;").
std::string DomainLine(const CDomain& domain);
// The definition as the problem text states it, where the language must read it: as above,
// except that an integer domain taken from a list or set constant lists that constant's values
// ("IntDom d={1,5,9};"), since the language cannot name a constant as a domain. Any other
// constant (or a missing one) is written as a list of its id, so that the parse takes an
// integer constant's value and names what is wrong otherwise.
std::string DomainLine(const CDomain& domain, const CConstArray& constants);

// The whole problem: "Problem:test", the "Data" section (when there are constants), the
// "Domains" section (when a domain is not predefined), "Variables" and "Constraints" (always),
// "Optimisation" (when there is a target), and the closing brace without a line break.
std::string ProblemTextOf(const TavModel& model);

// The check text of the problem wizard (no optimisation section); `lineCount`, when given, is set
// to the number of lines before the "Constraints" line.
std::string BuildProblemText(const CConstArray& constants, const CDomainArray& domains,
                             const CVarArray& variables, const CConArray& constraints, int* lineCount);

} // namespace TavWorkbench
