#pragma once
// Loopback helpers for tests of the result server with real sockets: the host on a free port
// that the external solver's port field takes, and the problem texts used.

#include "tests/extsolver/EventLoopWait.hpp"
#include "workbench/net/ExternalSolverHost.hpp"

#include "bridges/RawEvaluator.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSolution.hpp"

#include <string>
#include <unistd.h>

namespace TavTest {

inline bool StartOnFieldPort(TavNet::ExternalSolverHost& host) {
    const int span = 9999 - 2000 + 1;
    const int start = static_cast<int>((::getpid() * 7919u + 4421u) % span);
    for (int i = 0; i < span; ++i)
        if (host.Start(2000 + (start + i) % span)) return true;
    return false;
}

inline std::string QueensText(int n) {
    const std::string last = std::to_string(n - 1);
    return "problem: q { domains { intdom rows = [0, " + last + "]; } variables { intvar q[" +
           std::to_string(n) + "] :: rows; } constraints { alldifferent(q); forall(i in [0.." + last +
           "], j in [0.." + last + "], i < j) { q[i] - q[j] <> j - i; q[j] - q[i] <> j - i; } } }";
}

// Every row of the store, checked against the problem by the evaluator; the number of rows,
// or -1 when one fails (or the store is not one column per variable).
inline int CheckedRows(TavNet::HostDocument& document, const std::string& problemText) {
    TavLanguage::RawCSP problem;
    TavLanguage::ParserInfo info;
    if (!TavLanguage::ParseCSPText(problemText, &info, &problem).IsOk()) return -1;
    const auto columns = document.Columns();
    if (columns.size() < problem.GetVariables().size() || columns.empty()) return -1;
    const std::size_t rows = columns[0].second.size();
    for (std::size_t r = 0; r < rows; ++r) {
        TavLanguage::RawSolution solution;
        for (std::size_t c = 0; c < problem.GetVariables().size(); ++c) {
            if (columns[c].first != problem.GetVariables()[c]->GetName() || columns[c].second.size() != rows)
                return -1;
            solution.AddLabel(TavLanguage::RawLabel(
                columns[c].first, TavLanguage::RPtr<TavLanguage::RawExpr>(
                                      new TavLanguage::RawInt(std::stoi(columns[c].second[r])))));
        }
        if (!TavBridges::RawEvaluator(problem).Evaluate(solution).feasible) return -1;
    }
    return static_cast<int>(rows);
}

} // namespace TavTest
