#pragma once
#include "localsearch/Con.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/SetVar.hpp"

#include <climits>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

// A stand-in engine that searches the translated model exhaustively: each Solve moves on to the
// next assignment (in odometer order) whose hard constraints all have violation 0, judged by
// the model alone. With it the translation is checked against the oracle assignment by
// assignment, without any real engine.
class ExhaustiveEngine : public GLSLib::GGLS {
public:
    bool Solve() override {
        std::vector<GLSLib::IntVar*>& vars = m_csp.GetVariables();
        if (m_at.empty()) {
            m_at.assign(vars.size(), 0);
        } else if (!Advance()) {
            return false;
        }
        do {
            if (Feasible()) return true;
        } while (Advance());
        m_done = true;
        return false;
    }
    bool CanImprove(GLSLib::Con*) override { return false; }
    int GetCost() override { return m_cost; }
    int GetSoftCost() override { return m_softCost; }
    void Stop() override {}
    bool IsSolved() override { return m_cost != INT_MAX; }
    std::ostream& PrintStatistics(std::ostream& os) override { return os << "Algorithm: exhaustive\n"; }
    void SetParameter(int id, int value) override { m_params.push_back({id, value}); }
    GLSLib::GLSCSP* GetCSP() override { return &m_csp; }

    std::vector<std::pair<int, int>> m_params;

private:
    bool Advance() {
        if (m_done) return false;
        std::vector<GLSLib::IntVar*>& vars = m_csp.GetVariables();
        std::size_t k = 0;
        while (k < vars.size() && ++m_at[k] == vars[k]->DomainSize())
            m_at[k++] = 0;
        if (k == vars.size()) {
            m_done = true;
            return false;
        }
        return true;
    }

    bool Feasible() {
        std::vector<GLSLib::IntVar*>& vars = m_csp.GetVariables();
        for (std::size_t i = 0; i < vars.size(); ++i)
            vars[i]->SetValueIndex(m_at[i]);
        for (GLSLib::SetVar* s : m_csp.GetSetVariables())
            s->Initialise();
        int soft = 0;
        for (GLSLib::Con* c : m_csp.GetConstraints()) {
            c->Initialise();
            if (c->GetViolation() == 0.0) continue;
            if (c->IsHard()) return false;
            soft += c->GetWeight();
        }
        m_softCost = soft;
        m_cost = 0;
        if (GLSLib::Minimise* objective = m_csp.GetObjective()) {
            objective->Initialise();
            m_cost = objective->GetObjectiveValue();
        }
        return true;
    }

    GLSLib::GLSCSP m_csp;
    std::vector<int> m_at;
    bool m_done = false;
    int m_cost = INT_MAX;
    int m_softCost = 0;
};

inline std::unique_ptr<GLSLib::GGLS> Exhaustive() {
    return std::make_unique<ExhaustiveEngine>();
}
