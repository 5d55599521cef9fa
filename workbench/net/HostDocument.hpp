#pragma once
// A document for the headless host: a problem held as modelling-language text and a solution
// store of named columns. It stands in for the workbench's document where only the external
// solvers' road is needed (tests, benchmarks).

#include "workbench/net/ExternalDocument.hpp"

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace TavNet {

class HostDocument : public ExternalDocument {
public:
    using Column = std::pair<std::string, std::vector<std::string>>;

    // The problem text ("" for an empty document).
    void SetProblemText(std::string text);
    bool HasProblem() const override;
    bool WriteProblemText(std::string& text) override;
    [[nodiscard]] std::unique_lock<std::mutex> LockSolutions() override {
        return std::unique_lock(m_solveLock);
    }
    void ClearSolutions() override { m_columns.clear(); }
    void AppendSolutionValue(int column, const std::string& name, const std::string& value) override;
    void ResultsChanged(int found) override { m_shown = found; }

    // A copy of the store, taken under its lock.
    std::vector<Column> Columns();
    int Shown() const { return m_shown; }

private:
    mutable std::mutex m_textLock;
    std::string m_text;
    std::mutex m_solveLock;
    std::vector<Column> m_columns;
    int m_shown = 0;
};

} // namespace TavNet
