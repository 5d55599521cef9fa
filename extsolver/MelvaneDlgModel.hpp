#pragma once
// The external solver's dialog without its widgets: the fields as typed (with their defaults
// and range checks), the enabled state and text of each button, the role, the solving flag,
// the solutions text and the log. The view copies the fields to and from its edits and shows
// the buttons and the log as they are here; CMelvaneApp changes them as the protocol goes.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Melvane {

enum class MelvaneButton { Read, Solve, Connect, Send, Stop, Master };
constexpr int kMelvaneButtonCount = 6;

enum class MelvaneField { ServerName, Port, SolverName, Solutions, TimeLimit, Lambda, Seed, Optimise };

// The fields once checked.
struct MelvaneSettings {
    std::string serverName;
    unsigned port = 5000;
    std::string solverName = "GLS";
    unsigned solutions = 1;
    // Seconds that one run may take.
    double timeLimit = 5.0;
    unsigned lambda = 10;
    unsigned seed = 2334;
    unsigned optimise = 2;
    bool learning = true;
    bool deltaUpdate = true;
    bool approxEvaluation = false;
};

// A field that fails its check: which, and the text shown for it.
struct FieldError {
    MelvaneField field;
    std::string text;
};

class MelvaneDlgModel {
public:
    // Longest server and solver names.
    static constexpr std::size_t kMaxNameLength = 20;
    // The range of the time limit, in seconds.
    static constexpr double kMinTimeLimit = 0.1;
    static constexpr double kMaxTimeLimit = 99999;

    // The fields at their defaults; the server name is hostName when it fits the field, else
    // "localhost". Buttons as the dialog opens: only Connect enabled.
    explicit MelvaneDlgModel(const std::string& hostName);

    // The edits' texts and the check boxes, as the view last copied them.
    std::string serverName;
    std::string port = "5000";
    std::string solverName = "GLS";
    std::string solutions = "1";
    std::string timeLimit = "5";
    std::string lambda = "10";
    std::string seed = "2334";
    std::string optimise = "2";
    bool learning = true;
    bool deltaUpdate = true;
    bool approxEvaluation = false;

    // Checks every field in dialog order; the first that fails, or the settings.
    std::optional<FieldError> Validate(MelvaneSettings& out) const;
    // Puts settings into the fields' texts.
    void SetFields(const MelvaneSettings& settings);

    bool IsEnabled(MelvaneButton b) const { return m_enabled[Index(b)]; }
    void Enable(MelvaneButton b, bool on);
    // "Connect" or "Disconnect".
    const std::string& ConnectText() const { return m_connectText; }
    void SetConnectText(const std::string& text);
    // "Master" or "Slave".
    const std::string& MasterText() const { return m_masterText; }
    void SetMasterText(const std::string& text);

    bool IsMaster() const { return m_master; }
    void SetMaster(bool master) { m_master = master; }
    bool IsSolving() const { return m_solving; }
    void SetSolving(bool solving) { m_solving = solving; }
    const std::string& SolutionsText() const { return m_solutionsText; }
    void SetSolutionsText(std::string text) { m_solutionsText = std::move(text); }

    // Longest line of a log entry kept whole: the view would take seconds over a longer one
    // (the solution of a problem of 100,000 variables, a text from the network).
    static constexpr std::size_t kMaxLogLine = 4096;
    // Appends a log entry (the view ends each with a line break); a line longer than
    // kMaxLogLine keeps its start and says how many characters were left out.
    void AddToLog(const std::string& text);
    const std::vector<std::string>& Log() const { return m_log; }

    // Told of every change of a button or text, and of every log entry.
    std::function<void()> onChanged;
    std::function<void(const std::string&)> onLog;

private:
    static std::size_t Index(MelvaneButton b) { return static_cast<std::size_t>(b); }
    void Changed() {
        if (onChanged) onChanged();
    }

    std::array<bool, kMelvaneButtonCount> m_enabled{};
    std::string m_connectText = "Connect";
    std::string m_masterText = "Master";
    bool m_master = true;
    bool m_solving = false;
    std::string m_solutionsText;
    std::vector<std::string> m_log;
};

} // namespace Melvane
