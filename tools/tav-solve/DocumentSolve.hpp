#pragma once
// tav-solve on a workbench document (FILE.tav): the document reads "Params.ini" and
// "expert.dat" from the working directory when they are there, as the workbench does, and the
// file is opened and solved through the document's own road with the parameter blocks of
// "Params.ini". Nothing is written, except "expert.dat" after an Expert solve that changed its
// statistics. The file holds only the problem: the solver setting is 0 unless --solver gives
// one (gfc 0, gls 1, ga 2, tabu 3, gls2 4, expert 10); --param is refused. --text prints the
// problem text the document writes, --describe its description text.

#include "tools/tav-solve/SolveOptions.hpp"

#include <atomic>
#include <iosfwd>
#include <string>

namespace TavSolve {

// True for a file name ending in ".tav" (any letter case).
bool IsDocumentFile(const std::string& file);

// Runs tav-solve on a document; returns the exit code (as RunTavSolve, `interrupt` too).
int RunDocument(const SolveOptions& options, std::ostream& out, std::ostream& err,
                const std::atomic<bool>* interrupt = nullptr);

} // namespace TavSolve
