#pragma once
// What the external-solver coordination needs of the workbench's active document: whether it
// states a problem, its problem text, and its solution store. Called on the user-interface
// thread only.

#include <mutex>
#include <string>

namespace TavNet {

class ExternalDocument {
public:
    virtual ~ExternalDocument() = default;
    // True when the document has a constraint or an optimisation target.
    virtual bool HasProblem() const = 0;
    // The problem as modelling-language text; false when it cannot be written.
    virtual bool WriteProblemText(std::string& text) = 0;
    // The solve lock that guards the solution store.
    [[nodiscard]] virtual std::unique_lock<std::mutex> LockSolutions() = 0;
    // With the lock held: empties the store, and appends value to column index (creating it
    // with name when the store has no such column yet).
    virtual void ClearSolutions() = 0;
    virtual void AppendSolutionValue(int column, const std::string& name, const std::string& value) = 0;
    // Without the lock: the results view shows the store again, with found solutions.
    virtual void ResultsChanged(int found) = 0;
};

} // namespace TavNet
