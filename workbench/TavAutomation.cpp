#include "workbench/TavAutomation.hpp"

#include "workbench/SolverRun.hpp"
#include "workbench/Validation.hpp"
#include "workbench/model/CIntDomain.hpp"

#include <climits>
#include <utility>

using namespace TavLanguage;

namespace TavWorkbench {

bool TavAutomation::ValidName(const std::string& name) {
    return ValidateIdentifier(name, m_doc.GetKeyWords(), m_doc.GetDomains(), m_doc.GetVariables(),
                              m_doc.GetConstraints(), m_doc.GetConstants(), ElementKind::Domain, -1,
                              m_doc.Messages());
}

bool TavAutomation::AddLongDomainMinMax(const std::string& name, int min, int max) {
    if (!ValidName(name)) return false;
    if (!ValidateRangeConstants(min, max, m_doc.GetConstants(), "", "", m_doc.Messages())) return false;
    m_doc.GetDomains().AddIntDomain(name, "", "", "", min, max, {}, 0, 0);
    return true;
}

std::string TavAutomation::GetLongDomain(int index) const {
    const CDomainArray& domains = std::as_const(m_doc).GetDomains();
    if (index < 0 || index >= domains.GetSize()) return {};
    return domains[index]->GetID();
}

bool TavAutomation::AddLongVariable(const std::string& name, const std::string& domain, int size,
                                    bool array) {
    if (!ValidName(name)) return false;
    if (!ValidateVariable(domain, m_doc.GetDomains(), size, array, m_doc.Messages())) return false;
    m_doc.GetVariables().AddVariable(name, CVariable::Type::IntVar, domain, array ? 1 : 0, "",
                                     array ? std::vector<int>{size} : std::vector<int>{});
    return true;
}

bool TavAutomation::AddConstraint(const std::string& name, const std::string& constraint) {
    if (!ValidName(name)) return false;
    m_doc.GetConstraints().Add(std::make_unique<CConstraint>(name, constraint));
    return true;
}

bool TavAutomation::SolveIt(short count) {
    return m_doc.StartSolve(nullptr, count);
}

int TavAutomation::GetNumberOfVariables() const {
    const auto lock = m_doc.LockSolutions();
    return m_doc.GetSolutions().GetSize();
}

std::string TavAutomation::GetSolutionVarName(short index) const {
    const auto lock = m_doc.LockSolutions();
    const CSolutionArray& store = m_doc.GetSolutions();
    if (index < 0 || index >= store.GetSize()) return {};
    return store[index]->GetID();
}

AutomationValue TavAutomation::GetSolution(const std::string& name, short index) const {
    // The run thread may still be recording: the store is read under its lock.
    const auto lock = m_doc.LockSolutions();
    return m_doc.GetSolutions().GetValue(name, index);
}

bool TavAutomation::AddLongConstant(const std::string& name, int value) {
    if (!ValidName(name)) return false;
    m_doc.GetConstants().Add(std::make_unique<CConstant>(name, value));
    return true;
}

bool TavAutomation::AddLongDomainWithLongArray(const std::string& name, const AutomationValue& values) {
    if (!ValidName(name)) return false;
    DocMessages& messages = m_doc.Messages();
    const auto* array = std::get_if<AutomationArray>(&values);
    if (array == nullptr) {
        messages.Show("Array of long integers required");
        return false;
    }
    if (array->dimensions != 1) {
        messages.Show("A single array required");
        return false;
    }
    if (!array->lowerBound) {
        messages.Show("Error with lower bound");
        return false;
    }
    if (!array->upperBound) {
        messages.Show("Error with Upper bound");
        return false;
    }
    std::vector<int> list;
    // Bounded by the elements actually held, whatever the bounds claim.
    for (long long i = *array->lowerBound; i <= *array->upperBound; ++i) {
        const long long at = i - *array->lowerBound;
        if (at >= static_cast<long long>(array->elements.size()) ||
            !array->elements[static_cast<std::size_t>(at)]) {
            messages.Show("A data error occured");
            return false;
        }
        list.push_back(*array->elements[static_cast<std::size_t>(at)]);
    }
    if (!ValidateListConstant(m_doc.GetConstants(), list, "", messages)) return false;
    m_doc.GetDomains().AddIntDomain(name, "", "", "", 0, 0, list, 0, 0);
    return true;
}

bool TavAutomation::AddBooleanVariable(const std::string& name, int size, bool array) {
    if (!ValidName(name)) return false;
    if (!ValidateBooleanVariable(m_doc.GetDomains(), size, array, m_doc.Messages())) return false;
    m_doc.GetVariables().AddVariable(name, CVariable::Type::BoolVar, "TrueFalse", array ? 1 : 0, "",
                                     array ? std::vector<int>{size} : std::vector<int>{});
    return true;
}

bool TavAutomation::IsUsingGFCServer() const {
    return m_doc.GetSolverSetting() == SolverSetting::CompleteSearch;
}

bool TavAutomation::IsUsingGLSServer() const {
    return m_doc.GetSolverSetting() == SolverSetting::GuidedLocalSearch;
}

bool TavAutomation::UseGFCServer() {
    m_doc.SetSolverSetting(SolverSetting::CompleteSearch);
    return true;
}

bool TavAutomation::UseGLSServer() {
    m_doc.SetSolverSetting(SolverSetting::GuidedLocalSearch);
    return true;
}

bool TavAutomation::AddSetConstant(const std::string& name, const std::string& values) {
    m_doc.GetConstants().Add(std::make_unique<CConstant>(name, values, CConstant::Type::Set));
    return true;
}

bool TavAutomation::AddListConstant(const std::string& name, const std::string& values) {
    m_doc.GetConstants().Add(std::make_unique<CConstant>(name, values, CConstant::Type::List));
    return true;
}

bool TavAutomation::AddLongArrayVariable(const std::string& name, const std::string& domain,
                                         const std::string& dimensions) {
    if (!ValidName(name)) return false;
    std::vector<int> sizes;
    if (!ParseIntegerList(sizes, dimensions)) return false;
    long long elements = sizes.empty() ? 0 : 1;
    for (int size : sizes)
        elements = std::min<long long>(elements * size, INT_MAX);
    if (!ValidateVariable(domain, m_doc.GetDomains(), static_cast<int>(elements), true, m_doc.Messages()))
        return false;
    // The dimensions are written one bracket pair each ("[3][4]"): the dimension text itself
    // ("3,4") is no array size the modelling language reads.
    m_doc.GetVariables().AddVariable(name, CVariable::Type::IntVar, domain, 1, "", sizes);
    return true;
}

bool TavAutomation::SetOptimisation(const std::string& target) {
    m_doc.GetOptimisation() = {target};
    return true;
}

const RawSolver* TavAutomation::CurrentSolver() const {
    if (const RawSolver* solver = m_doc.GetSolver(); solver != nullptr) return solver;
    // An Expert run started here has no receiver of its engine events, so the document never
    // learns which engine runs: the run itself knows.
    const SolverRun* run = m_doc.GetRun();
    return run != nullptr ? run->GetCurrentSolver() : nullptr;
}

void TavAutomation::StopSearch() {
    // The run's flag first, so that a search returning because of the stop ends the run; then
    // every engine of the run, since the one searching now may be the next of a sequence.
    m_doc.RequestRunStop();
    if (SolverRun* run = m_doc.GetRun(); run != nullptr) {
        for (RawSolver* engine : run->GetEngines())
            if (engine != nullptr) engine->Stop();
    }
}

bool TavAutomation::ServerFinished() const {
    // The run's end, not the bridge's own flag: the bridge says it has finished before the run
    // thread has recorded the solution, and a run may end without a search or with a failed one.
    // A client that polls for the end then reads complete results.
    SolverRun* run = m_doc.GetRun();
    return CurrentSolver() != nullptr && run != nullptr && run->HasEnded();
}

bool TavAutomation::DeleteConstraint(const std::string& name) {
    const int index = m_doc.GetConstraints().FindConstraint(name);
    if (index < 0) return false;
    m_doc.GetConstraints().RemoveAt(index);
    return true;
}

bool TavAutomation::HasGotSolution() const {
    const RawSolver* solver = CurrentSolver();
    return solver != nullptr && solver->IsSolved();
}

} // namespace TavWorkbench
