#pragma once
// A scripted solver bridge: each Solve takes the next step of its script (then repeats the
// last one). Blocking steps wait until Stop is called. A found solution has the label "x" with
// the number of the call, and cost and soft cost when asked.

#include "language/raw/RawInt.hpp"
#include "language/raw/RawSolver.hpp"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

class FakeSolver : public TavLanguage::RawSolver {
public:
    enum class Step { Find, Fail, Block, BlockThenFind, Throw };
    // What a fake did; outlives it.
    struct Counters {
        std::atomic<std::size_t> calls{0};
        std::atomic<std::size_t> finds{0};
    };

    FakeSolver(TavLanguage::RawCSP* problem, std::vector<Step> script,
               std::shared_ptr<Counters> counters = nullptr)
        : RawSolver(problem), m_script(std::move(script)),
          m_counters(counters ? std::move(counters) : std::make_shared<Counters>()) {}

    bool Solve() override {
        Step step;
        {
            std::lock_guard lock(m_mutex);
            step = m_script.empty() ? Step::Fail : m_script[std::min(m_calls, m_script.size() - 1)];
            ++m_calls;
            ++m_counters->calls;
        }
        SetFinished(false);
        bool found = false;
        switch (step) {
        case Step::Find:
            found = true;
            break;
        case Step::Fail:
            break;
        case Step::Block:
        case Step::BlockThenFind: {
            std::unique_lock lock(m_mutex);
            m_stopped.wait(lock, [this] { return m_stopRequested; });
            found = step == Step::BlockThenFind;
            break;
        }
        case Step::Throw:
            throw std::runtime_error("the fake search failed");
        }
        {
            std::lock_guard lock(m_mutex);
            m_stopRequested = false; // like the engines: a stop ends one search
        }
        if (found) {
            ++m_counters->finds;
            TavLanguage::RawSolution& s = m_solutions.AddSolution();
            s.AddLabel(TavLanguage::RawLabel("x", TavLanguage::RPtr<TavLanguage::RawExpr>(
                                                      new TavLanguage::RawInt(static_cast<int>(Calls())))));
            if (withCost) s.SetCost(TavLanguage::RPtr<TavLanguage::RawExpr>(new TavLanguage::RawInt(7)));
        }
        SetSolved(found);
        SetFinished(true);
        return found;
    }
    void Stop() override {
        std::lock_guard lock(m_mutex);
        m_stopRequested = true;
        m_stopped.notify_all();
    }
    std::ostream& PrintStatistics(std::ostream& out) override { return out << "Algorithm: Fake\n"; }

    std::size_t Calls() const {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    std::size_t Finds() const { return static_cast<std::size_t>(m_solutions.GetCount()); }

    bool withCost = false;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stopRequested = false;
    std::vector<Step> m_script;
    std::size_t m_calls = 0;
    std::shared_ptr<Counters> m_counters;
};
