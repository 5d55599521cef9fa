#pragma once
// Independent optima of small linear programmes for the tests: a brute force over the vertices
// (every choice of n constraints or bounds held tight, solved by Gaussian elimination, kept when
// feasible), and GLPK's glpsol on the same programme where it is installed.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

struct LinearProgramme {
    struct Row {
        std::vector<double> a;
        std::string op; // "<=", ">=", "="
        double b;
    };
    bool maximise = true;
    std::vector<double> c;
    std::vector<Row> rows;

    double Objective(const std::vector<double>& x) const {
        double value = 0;
        for (std::size_t i = 0; i < c.size(); ++i)
            value += c[i] * x[i];
        return value;
    }
    bool Feasible(const std::vector<double>& x, double eps = 1e-6) const {
        for (double v : x)
            if (v < -eps) return false;
        for (const Row& row : rows) {
            double lhs = 0;
            for (std::size_t i = 0; i < x.size(); ++i)
                lhs += row.a[i] * x[i];
            if (row.op == "<=" && lhs > row.b + eps) return false;
            if (row.op == ">=" && lhs < row.b - eps) return false;
            if (row.op == "=" && std::fabs(lhs - row.b) > eps) return false;
        }
        return true;
    }
};

// Solves the square system m * x = r; nothing when it is singular.
inline std::optional<std::vector<double>> SolveSquare(std::vector<std::vector<double>> m,
                                                      std::vector<double> r) {
    const std::size_t n = r.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row)
            if (std::fabs(m[row][col]) > std::fabs(m[pivot][col])) pivot = row;
        if (std::fabs(m[pivot][col]) < 1e-9) return std::nullopt;
        std::swap(m[pivot], m[col]);
        std::swap(r[pivot], r[col]);
        for (std::size_t row = 0; row < n; ++row) {
            if (row == col) continue;
            const double f = m[row][col] / m[col][col];
            for (std::size_t k = col; k < n; ++k)
                m[row][k] -= f * m[col][k];
            r[row] -= f * r[col];
        }
    }
    std::vector<double> x(n);
    for (std::size_t i = 0; i < n; ++i)
        x[i] = r[i] / m[i][i];
    return x;
}

// The best objective over every vertex; nothing when no vertex is feasible.
inline std::optional<double> VertexOptimum(const LinearProgramme& lp) {
    const std::size_t n = lp.c.size();
    std::vector<std::vector<double>> tightRows;
    std::vector<double> tightRhs;
    for (const auto& row : lp.rows) {
        tightRows.push_back(row.a);
        tightRhs.push_back(row.b);
    }
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<double> bound(n, 0.0);
        bound[i] = 1.0;
        tightRows.push_back(bound);
        tightRhs.push_back(0.0);
    }
    std::optional<double> best;
    std::vector<std::size_t> pick(n);
    const std::function<void(std::size_t, std::size_t)> choose = [&](std::size_t depth, std::size_t from) {
        if (depth == n) {
            std::vector<std::vector<double>> m;
            std::vector<double> r;
            for (std::size_t k : pick) {
                m.push_back(tightRows[k]);
                r.push_back(tightRhs[k]);
            }
            const auto x = SolveSquare(m, r);
            if (!x || !lp.Feasible(*x)) return;
            const double value = lp.Objective(*x);
            if (!best || (lp.maximise ? value > *best : value < *best)) best = value;
            return;
        }
        for (std::size_t k = from; k < tightRows.size(); ++k) {
            pick[depth] = k;
            choose(depth + 1, k + 1);
        }
    };
    choose(0, 0);
    return best;
}

// glpsol's optimum of the programme, nothing when glpsol is not installed or fails.
inline std::optional<double> GlpsolOptimum(const LinearProgramme& lp, const std::string& folder) {
    if (std::system("command -v glpsol >/dev/null 2>&1") != 0) return std::nullopt;
    const std::string model = folder + "/oracle.lp";
    const std::string out = folder + "/oracle.out";
    {
        std::ofstream file(model);
        file.precision(17);
        file << (lp.maximise ? "Maximize" : "Minimize") << "\n obj:";
        const auto term = [&file](double v, std::size_t i) {
            file << (v < 0 ? " - " : " + ") << std::fabs(v) << " x" << i;
        };
        for (std::size_t i = 0; i < lp.c.size(); ++i)
            term(lp.c[i], i);
        file << "\nSubject To\n";
        for (std::size_t k = 0; k < lp.rows.size(); ++k) {
            file << " c" << k << ":";
            for (std::size_t i = 0; i < lp.c.size(); ++i)
                term(lp.rows[k].a[i], i);
            file << " " << lp.rows[k].op << " " << lp.rows[k].b << "\n";
        }
        file << "End\n";
    }
    const std::string command = "glpsol --lp " + model + " -o " + out + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    std::ifstream result(out);
    std::string line;
    while (std::getline(result, line)) {
        const auto at = line.find("Objective:");
        if (at == std::string::npos) continue;
        const auto equals = line.find('=', at);
        if (equals == std::string::npos) return std::nullopt;
        return std::strtod(line.c_str() + equals + 1, nullptr);
    }
    return std::nullopt;
}
