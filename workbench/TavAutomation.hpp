#pragma once
// The document's automation methods, through which another program builds a problem, solves
// it and reads the solutions: the 23 methods of the "Tav.Document" dispatch interface, in their
// order, over one document. Validation failures show their message through the document's
// messages and return false, changing nothing. Hosting the interface for other processes is
// the application's work. All methods belong to the document's thread.

#include "workbench/CTavDoc.hpp"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace TavWorkbench {

// An automation array argument: its number of dimensions, its bounds and its elements from
// the lower bound on; an absent bound or element is one that could not be read.
struct AutomationArray {
    int dimensions = 1;
    std::optional<int> lowerBound = 0;
    std::optional<int> upperBound = -1;
    std::vector<std::optional<int>> elements;
};

// An automation argument of any kind: nothing, a number, a text or an array of longs.
using AutomationValue = std::variant<std::monostate, int, double, std::string, AutomationArray>;

class TavAutomation {
public:
    explicit TavAutomation(CTavDoc& doc) : m_doc(doc) {}

    // 1. A new integer domain from min to max.
    bool AddLongDomainMinMax(const std::string& name, int min, int max);
    // 2. The id of domain `index`; empty when there is none.
    std::string GetLongDomain(int index) const;
    // 3. A new integer variable on `domain`: single, or a one-dimensional array of `size`.
    bool AddLongVariable(const std::string& name, const std::string& domain, int size, bool array);
    // 4. A new constraint; its text is not checked.
    bool AddConstraint(const std::string& name, const std::string& constraint);
    // 5. Starts a solve for `count` solutions, without events; false when nothing started
    //    (the problem text does not parse or no solver takes it).
    bool SolveIt(short count);
    // 6. The number of solution columns (variables, then "Cost" and "Soft Cost").
    int GetNumberOfVariables() const;
    // 7. The name of solution column `index`; empty when there is none.
    std::string GetSolutionVarName(short index) const;
    // 8. The value text of column `name` (ignoring case) in solution `index` (from 0); empty when
    //    there is none.
    AutomationValue GetSolution(const std::string& name, short index) const;
    // 9. A new integer constant.
    bool AddLongConstant(const std::string& name, int value);
    // 10. A new integer domain of the values of a one-dimensional array of longs.
    bool AddLongDomainWithLongArray(const std::string& name, const AutomationValue& values);
    // 11. A new Boolean variable on "TrueFalse" (added when missing): single or an array.
    bool AddBooleanVariable(const std::string& name, int size, bool array);
    // 12-15. The solver setting: complete search (0) or guided local search (1).
    bool IsUsingGFCServer() const;
    bool IsUsingGLSServer() const;
    bool UseGFCServer();
    bool UseGLSServer();
    // 16-17. A new set or list constant of the values as given; no checks.
    bool AddSetConstant(const std::string& name, const std::string& values);
    bool AddListConstant(const std::string& name, const std::string& values);
    // 18. A new integer array variable with the dimensions of a text of numbers ("3,4").
    bool AddLongArrayVariable(const std::string& name, const std::string& domain,
                              const std::string& dimensions);
    // 19. The optimisation target becomes `target`.
    bool SetOptimisation(const std::string& target);
    // 20. Asks the running search (every engine of an Expert run) to stop; does not wait and
    //     does not end the solve.
    void StopSearch();
    // 21. Whether the solve has finished (its run thread has ended and recorded every
    //     solution); false without a solver.
    bool ServerFinished() const;
    // 22. Deletes the constraint named `name` (ignoring case); false when there is none.
    bool DeleteConstraint(const std::string& name);
    // 23. Whether the current solver found a solution.
    bool HasGotSolution() const;

private:
    bool ValidName(const std::string& name);
    // The document's solver, or the engine an Expert run is searching with; null without a solve.
    const TavLanguage::RawSolver* CurrentSolver() const;

    CTavDoc& m_doc;
};

} // namespace TavWorkbench
