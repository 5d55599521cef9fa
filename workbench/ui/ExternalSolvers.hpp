#pragma once
// What the frame needs of the result server: whether it runs (and why not), how many external
// solver programs are connected, and the two commands that serve them.

#include <string>

class QWidget;

namespace TavWorkbench::Ui {

class ExternalSolvers {
public:
    virtual ~ExternalSolvers() = default;
    virtual bool IsRunning() const = 0;
    // Why the server does not run ("The result server could not listen on port 5000: ...").
    virtual std::string WhyNotRunning() const = 0;
    virtual int ConnectedCount() const = 0;
    // Options/External Solver: send the problem to a chosen slave program.
    virtual void ChooseExternalSolver(QWidget* parent) = 0;
    // View/External Results: show a program's solutions in the results view.
    virtual void ShowExternalSolutions(QWidget* parent) = 0;
};

// Why the server commands are greyed in a build without the server.
inline constexpr const char* kNoServerInThisBuild = "The result server is not part of this build";

} // namespace TavWorkbench::Ui
