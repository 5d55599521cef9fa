#include "workbench/model/ProblemText.hpp"

namespace TavWorkbench {

namespace {

constexpr const char* kEol = "\r\n";

std::string Joined(const std::vector<std::string>& items, bool quoted) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += ",";
        text += quoted ? "\"" + items[i] + "\"" : items[i];
    }
    return text;
}

// The sections before "Constraints"; `lines` counts the lines written.
void WriteHead(std::string& text, const CConstArray& constants, const CDomainArray& domains,
               const CVarArray& variables, int& lines) {
    const auto line = [&](const std::string& content) {
        text += content;
        text += kEol;
        ++lines;
    };
    line("Problem:test");
    line("{");
    if (!constants.IsEmpty()) {
        line("Data");
        line("{");
        for (const auto& constant : constants)
            line(constant->GetModelText());
        line("}");
    }
    if (!domains.AllPredefined()) {
        line("Domains");
        line("{");
        for (const auto& domain : domains)
            if (domain->GetType() != CDomain::Type::Boolean && domain->GetType() != CDomain::Type::Float)
                line(DomainLine(*domain, constants));
        line("");
        line("}");
    }
    line("Variables");
    line("{");
    for (const auto& variable : variables)
        line(variable->GetModelText());
    line("}");
}

void WriteConstraints(std::string& text, const CConArray& constraints) {
    text += "Constraints";
    text += kEol;
    text += "{";
    text += kEol;
    for (const auto& constraint : constraints) {
        text += constraint->GetText();
        text += kEol;
    }
    text += kEol;
    text += "}";
    text += kEol;
}

} // namespace

std::string DomainLine(const CDomain& domain) {
    std::string text = domain.GetTypeKeyword() + " " + domain.GetID() + "=";
    std::vector<std::string> values;
    switch (domain.GetType()) {
    case CDomain::Type::Enumerated:
        domain.GetValueStrings(values);
        if (!values.empty()) text += "{" + Joined(values, true) + "} ;";
        break;
    case CDomain::Type::Integer:
        text += domain.GetModelText();
        break;
    case CDomain::Type::Set:
        domain.GetValueStrings(values);
        text += "{" + Joined(values, false) + "} ;";
        break;
    case CDomain::Type::Boolean:
    case CDomain::Type::Float:
        // Predefined: their keyword and id are the whole line.
        break;
    }
    return text;
}

std::string DomainLine(const CDomain& domain, const CConstArray& constants) {
    const std::string& listID = domain.GetListConstID();
    if (domain.GetType() != CDomain::Type::Integer || listID.empty()) return DomainLine(domain);
    std::string values = listID;
    if (const CConstant* constant = constants.FindConstant(listID);
        constant != nullptr &&
        (constant->GetType() == CConstant::Type::List || constant->GetType() == CConstant::Type::Set))
        values = constant->GetValue();
    return domain.GetTypeKeyword() + " " + domain.GetID() + "={" + values + "};";
}

std::string ProblemTextOf(const TavModel& model) {
    std::string text;
    int lines = 0;
    WriteHead(text, model.constants, model.domains, model.variables, lines);
    WriteConstraints(text, model.constraints);
    if (!model.optimisation.empty()) {
        text += "Optimisation";
        text += kEol;
        text += "{";
        text += kEol;
        text += model.optimisation.front();
        text += kEol;
        text += "}";
        text += kEol;
    }
    text += kEol;
    text += "}";
    return text;
}

std::string BuildProblemText(const CConstArray& constants, const CDomainArray& domains,
                             const CVarArray& variables, const CConArray& constraints, int* lineCount) {
    std::string text;
    int lines = 0;
    WriteHead(text, constants, domains, variables, lines);
    WriteConstraints(text, constraints);
    text += "}";
    if (lineCount != nullptr) *lineCount = lines;
    return text;
}

} // namespace TavWorkbench
