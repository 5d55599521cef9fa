#pragma once
// Problems built in code for the engine tests and benchmarks, with checks that read the
// variables' values and test the problem's predicate directly, independent of the model's
// own evaluation and of the engine.

#include "localsearch/Con.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/SoftCon.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThanEquals.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/ScalProd.hpp"
#include "localsearch/expr/Sum.hpp"

#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

namespace GLSLibTest {

inline GLSLib::IntVar* AddVar(GLSLib::GLSCSP& p, const char* name, GLSLib::IntDom* d) {
    auto* v = new GLSLib::IntVar(name, d);
    p.AddVariable(v);
    return v;
}

inline void Post(GLSLib::GLSCSP& p, GLSLib::Con* c) {
    c->Post();
    p.AddConstraint(c);
}

inline std::vector<int> Values(const GLSLib::GLSCSP& p) {
    std::vector<int> out;
    for (GLSLib::IntVar* v : p.GetVariables())
        out.push_back(v->GetValue());
    return out;
}

// n queens: q[i] is the row of the queen in column i; rows differ and no two share a
// diagonal (q[i] + i <> q[j] + j, q[i] - i <> q[j] - j).
inline void BuildQueens(GLSLib::GLSCSP& p, int n) {
    using namespace GLSLib;
    auto* d = new IntRangeDom("rows", 0, n - 1);
    p.AddIntDomain(d);
    std::vector<IntVar*> q;
    for (int i = 0; i < n; ++i)
        q.push_back(AddVar(p, "q", d));
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            Post(p, new NotEquals(q[i], q[j]));
            Post(p, new NotEquals(new PlusOp(q[i], new IntVal(i)), new PlusOp(q[j], new IntVal(j))));
            Post(p, new NotEquals(new PlusOp(q[i], new IntVal(-i)), new PlusOp(q[j], new IntVal(-j))));
        }
}

inline bool IsQueensSolution(const std::vector<int>& q) {
    const int n = static_cast<int>(q.size());
    for (int i = 0; i < n; ++i) {
        if (q[i] < 0 || q[i] >= n) return false;
        for (int j = i + 1; j < n; ++j)
            if (q[i] == q[j] || std::abs(q[i] - q[j]) == j - i) return false;
    }
    return true;
}

// The edges of the Petersen graph: outer 5-cycle, inner pentagram, spokes.
inline std::vector<std::pair<int, int>> PetersenEdges() {
    std::vector<std::pair<int, int>> edges;
    for (int i = 0; i < 5; ++i) {
        edges.emplace_back(i, (i + 1) % 5);
        edges.emplace_back(5 + i, 5 + (i + 2) % 5);
        edges.emplace_back(i, 5 + i);
    }
    return edges;
}

// Colouring of a graph with k colours: adjacent vertices differ.
inline void BuildColouring(GLSLib::GLSCSP& p, int vertices, const std::vector<std::pair<int, int>>& edges,
                           int k) {
    using namespace GLSLib;
    auto* d = new IntRangeDom("colours", 1, k);
    p.AddIntDomain(d);
    std::vector<IntVar*> c;
    for (int i = 0; i < vertices; ++i)
        c.push_back(AddVar(p, "c", d));
    for (const auto& e : edges)
        Post(p, new NotEquals(c[static_cast<unsigned>(e.first)], c[static_cast<unsigned>(e.second)]));
}

inline bool IsColouring(const std::vector<int>& c, const std::vector<std::pair<int, int>>& edges, int k) {
    for (int v : c)
        if (v < 1 || v > k) return false;
    for (const auto& e : edges)
        if (c[static_cast<unsigned>(e.first)] == c[static_cast<unsigned>(e.second)]) return false;
    return true;
}

// A small optimisation problem with a soft constraint:
//   x, y, z in 0..5;  x + y + z >= 7;  x <> y;  y <> z;  soft (weight 4): z = 0;
//   minimise 3x + 2y + z.
struct SmallOptimum {
    static constexpr int kSoftWeight = 4;
    static void Build(GLSLib::GLSCSP& p) {
        using namespace GLSLib;
        auto* d = new IntRangeDom("d", 0, 5);
        p.AddIntDomain(d);
        IntVar* x = AddVar(p, "x", d);
        IntVar* y = AddVar(p, "y", d);
        IntVar* z = AddVar(p, "z", d);
        // The objective first, as the bridge builds it.
        auto* objective = new Minimise(new ScalProd({x, y, z}, {3, 2, 1}));
        objective->Post();
        p.SetObjective(objective);
        Post(p, new GreaterThanEquals(new Sum({x, y, z}), new IntVal(7)));
        Post(p, new NotEquals(x, y));
        Post(p, new NotEquals(y, z));
        auto* soft = new SoftCon(new Equals(z, new IntVal(0)), kSoftWeight);
        soft->Post();
        p.AddSoftConstraint(soft);
    }
    static bool Feasible(const std::vector<int>& v) {
        return v.size() == 3 && v[0] + v[1] + v[2] >= 7 && v[0] != v[1] && v[1] != v[2];
    }
    static int Objective(const std::vector<int>& v) { return 3 * v[0] + 2 * v[1] + v[2]; }
    static int SoftCost(const std::vector<int>& v) { return v[2] == 0 ? 0 : kSoftWeight; }
    // Brute force over all 216 assignments.
    static int BestObjective() {
        int best = INT_MAX;
        for (int x = 0; x <= 5; ++x)
            for (int y = 0; y <= 5; ++y)
                for (int z = 0; z <= 5; ++z)
                    if (Feasible({x, y, z}) && Objective({x, y, z}) < best) best = Objective({x, y, z});
        return best;
    }
};

// A constraint that always holds and asks the engine to stop once it has been evaluated a
// given number of times: ends runs that only a stop can end, at a point fixed by the seed.
class StopAfter : public GLSLib::Con {
public:
    StopAfter(GLSLib::IntVar* v, long evaluations) : m_var(v), m_left(evaluations) { AttachToArguments(); }
    void SetEngine(GLSLib::GGLS* engine) { m_engine = engine; }
    void SetEvaluations(long evaluations) { m_left = evaluations; }
    std::ostream& Print(std::ostream& os) const override { return os << "StopAfter"; }
    GLSLib::ExprObj* GetArg(int) const override { return m_var; }
    unsigned NumArgs() const override { return 1; }
    double GetViolation() const override {
        if (m_engine && --m_left == 0) m_engine->Stop();
        return 0.0;
    }
    double GetMaxViolation() const override { return 0.0; }

private:
    GLSLib::IntVar* m_var;
    GLSLib::GGLS* m_engine = nullptr;
    mutable long m_left;
};

} // namespace GLSLibTest
