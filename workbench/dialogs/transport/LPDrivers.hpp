#pragma once
// The three linear-programming commands: each runs its wizard's dialogs in order and, only when
// the last closed with OK, replaces the document's problem with a real array variable over
// "RealDomain", its constraints and its objective. Cancel anywhere leaves the document as it was.

#include "workbench/CTavDoc.hpp"
#include "workbench/dialogs/WizardHost.hpp"
#include "workbench/dialogs/transport/CStringTable.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

// "LP Problem": the number of variables, then the wizard. True when the problem was built.
bool RunLPProblem(TavWorkbench::CTavDoc& doc, WizardHost& host);
// "Trans Problem": the counts, the quantities (with a dummy to balance them), the costs.
bool RunTransProblem(TavWorkbench::CTavDoc& doc, WizardHost& host);
// "Assign Problem": the counts (squared with dummy candidates or posts), the costs.
bool RunAssignProblem(TavWorkbench::CTavDoc& doc, WizardHost& host);

// x[variables] with constraints "Straint1", "Straint2", ... and the objective; title "LP Problem".
void BuildLPProblem(TavWorkbench::CTavDoc& doc, int variables,
                    const std::vector<std::string>& constraintLines, const std::string& objective);
// SD[sources][destinations] with "SourceCon" and "DestCon"; title "Trans Problem".
void BuildTransProblem(TavWorkbench::CTavDoc& doc, const std::vector<double>& supplies,
                       const std::vector<double>& demands, const CStringTable& costs);
// CP[rows][columns] with "CandCon" and "PostCon", every total 1; title "Assign Problem".
void BuildAssignProblem(TavWorkbench::CTavDoc& doc, const CStringTable& costs);

// "1 * id[i][0]  + 1 * id[i][1] = total;\r\n": the sum of row i over `columns` columns.
std::string RowText(const std::string& id, int row, int columns, const std::string& total);
// The sum of column j over `rows` rows.
std::string ColumnText(const std::string& id, int column, int rows, const std::string& total);

} // namespace TavDialogs
