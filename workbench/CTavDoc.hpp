#pragma once
// The workbench's document: the problem model (domains, variables, constraints, constants,
// optimisation target), the solver settings (solver choice, ten parameter blocks, search time
// limit, requested count), the Expert table and order, and everything one solve needs (raw
// problem, solver bridges, run thread, solution store, statistics).
//
// Construction reads "Params.ini" and "expert.dat" from the settings folder (the working
// directory unless told otherwise) and destruction writes "expert.dat" back. All operations
// belong to one thread (the user-interface thread), except where a comment says otherwise; the
// run thread only fills the solution store under its lock and posts events.

#include "workbench/DocMessages.hpp"
#include "workbench/DocViews.hpp"
#include "workbench/ExpertEntry.hpp"
#include "workbench/SettingsFiles.hpp"
#include "workbench/SolveEvents.hpp"
#include "workbench/model/CAvConArray.hpp"
#include "workbench/model/CKeyWords.hpp"
#include "workbench/model/CSolutionArray.hpp"
#include "workbench/model/TavModel.hpp"

#include "language/raw/RawCSP.hpp"
#include "language/raw/RawSolver.hpp"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace TavWorkbench {

class RunMailbox;
class SolverRun;

class CTavDoc {
public:
    // Solver settings.
    static constexpr int kCompleteSearch = 0;
    static constexpr int kGuidedLocalSearch = 1;
    static constexpr int kGeneticAlgorithm = 2;
    static constexpr int kTabuSearch = 3;
    static constexpr int kGuidedLocalSearch2 = 4;
    static constexpr int kExpert = 10;

    static constexpr int kDefaultTimeLimit = 300000; // milliseconds

    // Reads the settings files from `settingsFolder` (defaults where they are missing or
    // damaged; a missing "Params.ini" is written at once). `messages` answers boxes and
    // questions (null: DefaultDocMessages); it must outlive the document.
    explicit CTavDoc(DocMessages* messages = nullptr, std::filesystem::path settingsFolder = ".");
    // Ends any solve, then writes "expert.dat" (a failure is shown as "Unable to open file\n").
    ~CTavDoc();
    CTavDoc(const CTavDoc&) = delete;
    CTavDoc& operator=(const CTavDoc&) = delete;

    // --- Lifecycle -------------------------------------------------------------------------
    // Empties the document, then adds the predefined domains "TrueFalse" (Boolean) and
    // "RealDomain" (float, 0 to the largest float) and resets count, setting and time limit.
    bool OnNewDocument();
    // Ends any solve, clears the solutions and deletes every model element.
    void DeleteContents();
    // Reads a ".tav" file into a fresh model and, only when it is read whole, replaces the
    // document's model with it. Throws TavFileError (the document unchanged).
    void OnOpenDocument(const std::filesystem::path& path);
    // Writes the model as a ".tav" file (a new file renamed over the old one). Throws
    // TavFileError when it cannot be written (the old file unchanged).
    void OnSaveDocument(const std::filesystem::path& path) const;
    // Writes "Params.ini"; a failure is shown ("Unable to write Params.ini") and returns false.
    bool SaveParameters();

    // --- The model --------------------------------------------------------------------------
    TavModel& GetModel() { return m_model; }
    const TavModel& GetModel() const { return m_model; }
    CDomainArray& GetDomains() { return m_model.domains; }
    CVarArray& GetVariables() { return m_model.variables; }
    CConArray& GetConstraints() { return m_model.constraints; }
    CConstArray& GetConstants() { return m_model.constants; }
    // Element 0 is the optimisation target; empty for none.
    std::vector<std::string>& GetOptimisation() { return m_model.optimisation; }
    const CAvConArray& GetAvailableConstraints() const { return m_available; }
    const CKeyWords& GetKeyWords() const { return m_keyWords; }

    // --- Settings ---------------------------------------------------------------------------
    int GetSolverSetting() const { return m_solverSetting; }
    void SetSolverSetting(int setting) { m_solverSetting = setting; }
    // Milliseconds.
    int GetSearchTimeLimit() const { return m_timeLimit; }
    void SetSearchTimeLimit(int milliseconds) { m_timeLimit = milliseconds; }
    int GetRequestedCount() const { return m_requested; }
    void SetRequestedCount(int count) { m_requested = count; }
    // Parameter block 0..9; throws Platform::InternalError for another index.
    AlgParams& GetParameterBlock(int index);
    // True when "Params.ini" could not be read at construction.
    bool AreParametersDefaulted() const { return m_paramsDefaulted; }
    // True when "expert.dat" was missing or damaged at construction.
    bool IsExpertDefaulted() const { return m_expertDefaulted; }

    // --- Expert mode ------------------------------------------------------------------------
    // Seconds each engine of an Expert solve may search before the next one takes over.
    int GetEngineInterval() const { return m_engineInterval; }
    void SetEngineInterval(int seconds) { m_engineInterval = seconds; }
    const std::vector<ExpertEntry>& GetExpertTable() const { return m_expert; }
    // The Expert run order: row indices, complete search (row 0) first.
    const std::vector<int>& GetEngineOrder() const { return m_engineOrder; }
    // Orders rows 1 to 3 after row 0 at random, weighted by each row's successes per run.
    void RankEngines();
    // Restarts the ranking's own random sequence (tests).
    void SeedRanking(std::uint32_t seed) { m_rankRandom.seed(seed); }
    // Deletes the engine of every Expert row (none may be running).
    void ReleaseEngines();
    // The engine kind of the last single-engine solve (0 in Expert mode).
    int GetEngineKind() const { return m_engineKind; }
    bool IsExpertMode() const { return m_expertMode; }

    // --- Results ----------------------------------------------------------------------------
    // The solution store; hold LockSolutions() while reading it during a solve.
    const CSolutionArray& GetSolutions() const { return m_solutions; }
    [[nodiscard]] std::unique_lock<std::mutex> LockSolutions() const { return std::unique_lock(m_solveLock); }
    // The last statistics report, line breaks "\r\n".
    const std::string& GetStatisticsText() const { return m_statistics; }

    // The windows that show the document (null: none).
    void SetViews(DocViews* views) { m_views = views; }
    DocMessages& Messages() { return *m_messages; }

    // End any solve that runs (placeholder until the solve road exists).
    void EndSolve(bool solved);

private:
    void LoadSettings();
    void SaveExpertFile();

    std::filesystem::path m_settingsFolder;
    DefaultDocMessages m_defaultMessages;
    DocMessages* m_messages;
    DocViews m_noViews;
    DocViews* m_views = &m_noViews;

    TavModel m_model;
    CAvConArray m_available;
    CKeyWords m_keyWords;
    CSolutionArray m_solutions;
    mutable std::mutex m_solveLock;
    std::string m_statistics;

    ParamBlocks m_params;
    bool m_paramsDefaulted = false;
    bool m_expertDefaulted = false;
    int m_engineInterval = 20;
    std::vector<ExpertEntry> m_expert;
    std::vector<int> m_engineOrder;
    std::mt19937 m_rankRandom;
    bool m_expertMode = false;
    int m_engineKind = 0;

    int m_requested = 1;
    int m_timeLimit = kDefaultTimeLimit;
    int m_solverSetting = kCompleteSearch;
    bool m_solveExisted = false;
};

} // namespace TavWorkbench
