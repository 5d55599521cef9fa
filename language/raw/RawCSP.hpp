#pragma once
// The solver-neutral raw problem: domains, variables, hard and soft constraints and the
// optimisation target, as the parser produces them and the solver bridges consume them.
// Problems with real variables keep those variables, the constraints posted while they exist
// and their objective in separate "real" lists, which the linear-programming bridge reads.
// Invariant: every list holds non-null entries in the order they were added.

#include "language/raw/RawCon.hpp"
#include "language/raw/RawDom.hpp"
#include "language/raw/RawOpt.hpp"
#include "language/raw/RawSoftCon.hpp"
#include "language/raw/RawVar.hpp"

#include <iosfwd>
#include <string>
#include <vector>

namespace TavLanguage {

class RawCSP {
public:
    // An empty problem; restarts the variable serial numbers of this thread at 0.
    RawCSP();
    RawCSP(const RawCSP&) = delete;
    RawCSP& operator=(const RawCSP&) = delete;
    virtual ~RawCSP();

    // Decision variables of every kind but real, in declaration order.
    const std::vector<RPtr<RawVar>>& GetVariables() const { return m_variables; }
    // Real variables (code 54), in declaration order.
    const std::vector<RPtr<RawVar>>& GetRealVariables() const { return m_realVariables; }
    // Named domains, in declaration order.
    const std::vector<RPtr<RawDom>>& GetDomains() const { return m_domains; }
    // Hard constraints posted while the problem had no real variables, in posting order.
    const std::vector<RPtr<RawCon>>& GetConstraints() const { return m_constraints; }
    // Constraints posted while the problem had real variables, in posting order.
    const std::vector<RPtr<RawCon>>& GetRealConstraints() const { return m_realConstraints; }
    // Soft constraints, in posting order.
    const std::vector<RPtr<RawSoftCon>>& GetSoftConstraints() const { return m_softConstraints; }
    // The objective; null when the problem has none.
    RPtr<RawOpt>& GetObjective() { return m_objective; }
    const RPtr<RawOpt>& GetObjective() const { return m_objective; }
    // The objective of a problem with real variables; null when there is none.
    RPtr<RawOpt>& GetRealObjective() { return m_realObjective; }
    const RPtr<RawOpt>& GetRealObjective() const { return m_realObjective; }
    virtual bool HasSoftConstraints() const { return !m_softConstraints.empty(); }

    // Appends a domain.
    void AddDomain(RPtr<RawDom> domain);
    // Appends a variable to the real list (code 54) or to the decision-variable list.
    void AddVariable(RPtr<RawVar> variable);
    // Appends a hard constraint: to the real list once the problem has real variables.
    void AddConstraint(RPtr<RawCon> constraint);
    void AddSoftConstraint(RPtr<RawSoftCon> constraint);
    void SetObjective(RPtr<RawOpt> objective) { m_objective = std::move(objective); }
    void SetRealObjective(RPtr<RawOpt> objective) { m_realObjective = std::move(objective); }

    // The first domain of that name and kind: true and `domain` set, or false.
    [[nodiscard]] bool FindDomain(const std::string& name, RawType type, RPtr<RawDom>& domain) const;
    // The first domain of that name whatever its kind; null when there is none.
    RPtr<RawDom> FindDomain(const std::string& name) const;
    // The first variable of that name, decision variables before real ones; null when there
    // is none. A scan of the lists: no solve looks variables up by name here, and an index kept
    // for it cost a third of the reading of a million variables.
    RPtr<RawVar> FindVariable(const std::string& name) const;

    // Writes the whole problem readably: domains, variables, constraints, soft constraints, objective.
    std::ostream& Print(std::ostream& out) const;

private:
    std::vector<RPtr<RawDom>> m_domains;
    std::vector<RPtr<RawVar>> m_variables;
    std::vector<RPtr<RawVar>> m_realVariables;
    std::vector<RPtr<RawCon>> m_constraints;
    std::vector<RPtr<RawCon>> m_realConstraints;
    std::vector<RPtr<RawSoftCon>> m_softConstraints;
    RPtr<RawOpt> m_objective;
    RPtr<RawOpt> m_realObjective;
};

std::ostream& operator<<(std::ostream& out, const RawCSP& problem);

} // namespace TavLanguage
