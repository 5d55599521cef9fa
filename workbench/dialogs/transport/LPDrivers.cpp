#include "workbench/dialogs/transport/LPDrivers.hpp"

#include "workbench/dialogs/lp/LPStartDlgModel.hpp"
#include "workbench/dialogs/lp/LPText.hpp"
#include "workbench/dialogs/lp/LPWizDLGModel.hpp"
#include "workbench/dialogs/transport/BothQuantDlgModel.hpp"
#include "workbench/dialogs/transport/CostsDlgModel.hpp"
#include "workbench/dialogs/transport/TransNumDlgModel.hpp"
#include "workbench/model/CVariable.hpp"

#include <cfloat>
#include <memory>

namespace TavDialogs {

using TavWorkbench::CTavDoc;

namespace {

std::string Element(const std::string& id, int i, int j) {
    return id + "[" + std::to_string(i) + "][" + std::to_string(j) + "]";
}

std::string SumText(const std::string& id, int fixed, int count, bool byRow, const std::string& total) {
    std::string text;
    for (int k = 0; k < count; ++k) {
        text += k == 0 ? "1 * " : " + 1 * ";
        text += (byRow ? Element(id, fixed, k) : Element(id, k, fixed)) + " ";
    }
    return text + "= " + total + ";\r\n";
}

// The steps every command ends with: an empty document with its two predefined domains, the
// built-in distances, the settings of a new document, then the problem.
void Build(CTavDoc& doc, const std::string& variableID, const std::vector<int>& dimensions,
           const std::vector<std::pair<std::string, std::string>>& constraints, const std::string& objective,
           const std::string& title) {
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    doc.GetDomains().AddBoolDomain("TrueFalse");
    doc.GetDomains().AddDoubleDomain("RealDomain", 0.0, static_cast<double>(FLT_MAX));
    doc.GetDistances().LoadDefaultDistances();
    doc.SetRequestedCount(1);
    doc.SetSolverSetting(TavWorkbench::SolverSetting::CompleteSearch);
    doc.GetVariables().AddVariable(variableID, TavWorkbench::CVariable::Type::RealVar, "RealDomain", 1, "",
                                   dimensions);
    for (const auto& [id, text] : constraints)
        doc.GetConstraints().Add(std::make_unique<TavWorkbench::CConstraint>(id, text));
    doc.GetOptimisation().push_back(objective);
    doc.SetTitle(title);
}

} // namespace

std::string RowText(const std::string& id, int row, int columns, const std::string& total) {
    return SumText(id, row, columns, true, total);
}

std::string ColumnText(const std::string& id, int column, int rows, const std::string& total) {
    return SumText(id, column, rows, false, total);
}

void BuildLPProblem(CTavDoc& doc, int variables, const std::vector<std::string>& constraintLines,
                    const std::string& objective) {
    std::vector<std::pair<std::string, std::string>> constraints;
    for (std::size_t k = 0; k < constraintLines.size(); ++k)
        constraints.emplace_back("Straint" + std::to_string(k + 1), constraintLines[k]);
    Build(doc, "x", {variables}, constraints, objective, "LP Problem");
}

void BuildTransProblem(CTavDoc& doc, const std::vector<double>& supplies, const std::vector<double>& demands,
                       const CStringTable& costs) {
    const int sources = static_cast<int>(supplies.size());
    const int destinations = static_cast<int>(demands.size());
    std::string sourceText, destText;
    for (int i = 0; i < sources; ++i)
        sourceText += RowText("SD", i, destinations, QuantityText(supplies[static_cast<std::size_t>(i)]));
    for (int j = 0; j < destinations; ++j)
        destText += ColumnText("SD", j, sources, QuantityText(demands[static_cast<std::size_t>(j)]));
    Build(doc, "SD", {sources, destinations}, {{"SourceCon", sourceText}, {"DestCon", destText}},
          costs.BuildObjectiveText("SD"), "Trans Problem");
}

void BuildAssignProblem(CTavDoc& doc, const CStringTable& costs) {
    std::string rowText, colText;
    for (int i = 0; i < costs.Rows(); ++i)
        rowText += RowText("CP", i, costs.Cols(), "1");
    for (int j = 0; j < costs.Cols(); ++j)
        colText += ColumnText("CP", j, costs.Rows(), "1");
    Build(doc, "CP", {costs.Rows(), costs.Cols()}, {{"CandCon", rowText}, {"PostCon", colText}},
          costs.BuildObjectiveText("CP"), "Assign Problem");
}

bool RunLPProblem(CTavDoc& doc, WizardHost& host) {
    LPStartDlgModel start(1);
    if (host.Run(start) != DialogEnd::Ok) return false;
    LPWizDLGModel wizard(start.GetVariables());
    if (host.Run(wizard) != DialogEnd::Ok) return false;
    BuildLPProblem(doc, start.GetVariables(), wizard.ConstraintLines(), wizard.ObjectiveLine());
    return true;
}

bool RunTransProblem(CTavDoc& doc, WizardHost& host) {
    TransNumDlgModel counts(false);
    if (host.Run(counts) != DialogEnd::Ok) return false;
    BothQuantDlgModel quantities(counts.GetSources(), counts.GetDestinations());
    if (host.Run(quantities) != DialogEnd::Ok) return false;
    const int sources = static_cast<int>(quantities.GetSupplies().size());
    const int destinations = static_cast<int>(quantities.GetDemands().size());
    CStringTable table(sources, destinations);
    CostsDlgModel costs = CostsDlgModel::Transport(
        table, sources, destinations, quantities.DummySourceAdded(), quantities.DummyDestinationAdded());
    if (host.Run(costs) != DialogEnd::Ok) return false;
    BuildTransProblem(doc, quantities.GetSupplies(), quantities.GetDemands(), table);
    return true;
}

bool RunAssignProblem(CTavDoc& doc, WizardHost& host) {
    TransNumDlgModel counts(true);
    if (host.Run(counts) != DialogEnd::Ok) return false;
    const int candidates = counts.GetSources();
    const int posts = counts.GetDestinations();
    const int dummyCols = posts < candidates ? candidates - posts : 0;
    const int dummyRows = candidates < posts ? posts - candidates : 0;
    const int rows = candidates + dummyRows;
    const int cols = posts + dummyCols;
    CStringTable table(rows, cols);
    CostsDlgModel costs = CostsDlgModel::Assignment(table, rows, cols, dummyRows, dummyCols);
    if (host.Run(costs) != DialogEnd::Ok) return false;
    BuildAssignProblem(doc, table);
    return true;
}

} // namespace TavDialogs
