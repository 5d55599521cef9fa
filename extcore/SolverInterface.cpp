#include "extcore/SolverInterface.hpp"

#include "extcore/RebuildConsTree.hpp"
#include "localsearch/ClassWideValues.hpp"
#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <sstream>

namespace Melvane {

namespace {

// The value of the problem's own objective. The workbench states "maximise e" as the
// minimisation of 0 - e, and the cost keeps the sign of the objective the user wrote, so there
// it is the value of e. (A user's "minimise 0 - e" reads the same and is reported as e too.)
int ObjectiveOwnValue(const GLSLib::Minimise& objective) {
    const auto* minus = dynamic_cast<const GLSLib::MinusOp*>(objective.GetArg(0));
    const auto* zero = minus != nullptr ? dynamic_cast<const GLSLib::IntVal*>(minus->GetArg(0)) : nullptr;
    const auto* maximised = zero != nullptr && zero->GetValue() == 0
                                ? dynamic_cast<const GLSLib::IntObj*>(minus->GetArg(1))
                                : nullptr;
    if (maximised == nullptr) return objective.GetObjectiveValue();
    try {
        return maximised->GetValue();
    } catch (const GLSLib::Obj::Undef&) {
        return INT_MAX;
    }
}

} // namespace

SolverInterface::SolverInterface() = default;

SolverInterface::~SolverInterface() {
    ReleaseEngine();
}

void SolverInterface::ReleaseEngine() {
    std::unique_ptr<GLSLib::GGLS_ND> old;
    {
        std::lock_guard lock(m_engineMutex);
        old = std::move(m_engine);
    }
    if (old) {
        old.reset();
        GLSLib::Obj::DeleteAll();
    }
}

void SolverInterface::LoadProblem(std::string text) {
    ReleaseEngine();
    // Numbering and per-problem values start afresh; the parameters are given again below.
    GLSLib::ResetAllClassWideValues();
    auto engine = std::make_unique<GLSLib::GGLS_ND>();
    try {
        for (const auto& [id, value] : m_parameters)
            engine->SetParameter(id, value);
        RebuildConsTree reader;
        reader.Parse(text, engine->GetCSP());
    } catch (...) {
        engine.reset();
        GLSLib::Obj::DeleteAll();
        throw;
    }
    std::lock_guard lock(m_engineMutex);
    m_engine = std::move(engine);
}

void SolverInterface::SetParameter(int id, int value) {
    if (id < 1 || id > 15) throw Platform::ParameterError("Invalid Parameter\n");
    m_parameters[id] = value;
    if (m_engine) m_engine->SetParameter(id, value);
}

void SolverInterface::SetNotifyWindow(NotifyFunction notify) {
    m_notify = std::move(notify);
}

SolverInterface::BestCosts SolverInterface::CurrentCosts() const {
    GLSLib::GLSCSP* csp = m_engine->GetCSP();
    BestCosts costs;
    if (csp->HasObjective()) costs.cost = ObjectiveOwnValue(*csp->GetObjective());
    if (csp->HasSoftConstraints()) costs.softCost = m_engine->GetSoftCost();
    return costs;
}

bool SolverInterface::Solve(int runs, std::chrono::nanoseconds runLimit, std::stop_token stop) {
    m_stop.store(false);
    if (!m_engine || runs <= 0) return false;
    m_engine->PrepareRuns();
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::time_point::max();
    // The time limit and the token are looked at on this thread, inside the run: a stop made
    // here can only end the run it is meant for, never the next one.
    m_engine->SetStepHook(
        [&](std::uint64_t) {
            if (stop.stop_requested() || Clock::now() >= deadline) m_engine->Stop();
        },
        kStepsPerCheck);
    if (m_notify) m_engine->SetNewBestCallback([this](int) { m_notify(CurrentCosts()); });
    struct Unhook {
        GLSLib::GGLS_ND& engine;
        ~Unhook() {
            engine.SetStepHook({}, 0);
            engine.SetNewBestCallback({});
        }
    } unhook{*m_engine};
    const std::size_t before = m_solutions.Size();
    bool found = false;
    for (int run = 0; run < runs && !m_stop.load() && !stop.stop_requested(); ++run) {
        if (runLimit > std::chrono::nanoseconds::zero())
            deadline = Clock::now() + std::min(runLimit, std::chrono::nanoseconds(kLongestLimit));
        if (!m_engine->Solve()) continue;
        Solution solution(run);
        StoreSolution(solution);
        found = true;
        bool repeated = false;
        for (std::size_t i = before; i < m_solutions.Size() && !repeated; ++i)
            repeated = m_solutions[i].GetValues() == solution.GetValues();
        if (!repeated) m_solutions.Add(solution);
    }
    return found;
}

void SolverInterface::Stop() {
    std::lock_guard lock(m_engineMutex);
    m_stop.store(true);
    if (m_engine) m_engine->Stop();
}

void SolverInterface::StoreSolution(Solution& solution) const {
    GLSLib::GLSCSP* csp = m_engine->GetCSP();
    for (const GLSLib::IntVar* v : csp->GetVariables())
        solution.Add(v->GetName(), v->GetValue());
    for (GLSLib::SetVar* s : csp->GetSetVariables()) {
        s->Initialise();
        for (int i = 0; i < s->NumValues(); ++i)
            if (s->IsMember(i)) solution.Add(s->GetName(), s->ValueAt(i));
    }
    if (csp->HasObjective()) {
        // The objective's own value under the reported assignment; the engine's cost also
        // counts the soft penalties.
        csp->GetObjective()->Initialise();
        solution.SetCost(ObjectiveOwnValue(*csp->GetObjective()));
    }
    if (csp->HasSoftConstraints()) {
        // Weights of the soft constraints that the reported assignment breaks.
        long long soft = 0;
        for (GLSLib::Con* c : csp->GetConstraints()) {
            if (c->IsHard()) continue;
            c->Initialise();
            if (c->GetViolation() > 0) soft += c->GetWeight();
        }
        solution.SetSoftCost(static_cast<int>(std::min<long long>(soft, INT_MAX)));
    }
}

void SolverInterface::GetSolutionsReport(std::string& out) const {
    std::ostringstream text;
    m_solutions.WriteReport(text);
    out = text.str();
}

void SolverInterface::GetSolutionsText(std::string& out) const {
    std::ostringstream text;
    m_solutions.WriteText(text);
    out = text.str();
}

} // namespace Melvane
