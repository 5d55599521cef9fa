#include "workbench/dialogs/printing/ModelListing.hpp"

#include "workbench/Validation.hpp"
#include "workbench/model/ProblemText.hpp"

#include <algorithm>
#include <cmath>

namespace TavDialogs {

namespace {

void AddIndented(std::vector<std::string>& lines, const std::string& text) {
    TavWorkbench::SplitIntoIndentedLines(text, lines);
}

} // namespace

std::vector<std::string> ModelListing(const TavWorkbench::TavModel& model, const std::string& title) {
    using TavWorkbench::CDomain;
    std::vector<std::string> lines;
    lines.push_back("Problem:" + title);
    lines.push_back("{");
    if (!model.constants.IsEmpty()) {
        lines.push_back("\tData");
        lines.push_back("\t{");
        for (const auto& constant : model.constants)
            AddIndented(lines, constant->GetModelText());
        lines.push_back("\t}");
    }
    if (!model.domains.AllPredefined()) {
        lines.push_back("\tDomains");
        lines.push_back("\t{");
        for (const auto& domain : model.domains)
            if (domain->GetType() != CDomain::Type::Boolean && domain->GetType() != CDomain::Type::Float)
                AddIndented(lines, TavWorkbench::DomainLine(*domain));
        lines.push_back("\t}");
    }
    lines.push_back("\tVariables");
    lines.push_back("\t{");
    for (const auto& variable : model.variables)
        AddIndented(lines, variable->GetModelText());
    lines.push_back("\t}");
    lines.push_back("\tConstraints");
    lines.push_back("\t{");
    for (const auto& constraint : model.constraints)
        AddIndented(lines, constraint->GetText());
    lines.push_back("\t}");
    if (!model.optimisation.empty()) {
        lines.push_back("\tOptimisation");
        lines.push_back("\t{");
        AddIndented(lines, model.optimisation.front());
        lines.push_back("\t}");
    }
    lines.push_back("}");
    return lines;
}

ListingPages::ListingPages(int lineCount, int linesPerPage)
    : m_lines(std::max(lineCount, 0)), m_perPage(std::max(linesPerPage, 1)) {}

int ListingPages::LinesPerPage(double printableHeight, double lineHeight) {
    if (!(std::fabs(lineHeight) > 0.0)) return 1;
    const double fit = std::floor(std::fabs(printableHeight) / std::fabs(lineHeight));
    if (!(fit >= 1.0)) return 1;
    return fit > 1e6 ? 1000000 : static_cast<int>(fit);
}

int ListingPages::PageCount() const {
    return std::max(1, (m_lines + m_perPage - 1) / m_perPage);
}

int ListingPages::FirstLine(int page) const {
    return std::clamp((page - 1) * m_perPage, 0, m_lines);
}

int ListingPages::EndLine(int page) const {
    return std::clamp(page * m_perPage, 0, m_lines);
}

} // namespace TavDialogs
