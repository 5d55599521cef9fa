#include "workbench/dialogs/actions/ModelUsage.hpp"

#include "workbench/model/ModelHelpers.hpp"

#include <algorithm>

namespace TavDialogs {

namespace {

bool IsIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

} // namespace

bool TextMentions(const std::string& text, const std::string& id) {
    if (id.empty()) return false;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            if (close == std::string::npos) return false;
            i = close + 1;
            continue;
        }
        if (!IsIdentifierChar(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsIdentifierChar(text[end]))
            ++end;
        if (TavWorkbench::EqualsNoCase(text.substr(i, end - i), id)) return true;
        i = end;
    }
    return false;
}

std::vector<ElementUse> FindUsers(const TavWorkbench::TavModel& model, const std::string& id) {
    using TavWorkbench::EqualsNoCase;
    std::vector<ElementUse> users;
    for (const auto& constraint : model.constraints) {
        const auto& refs = constraint->GetReferencedIDs();
        const bool recorded = std::any_of(refs.begin(), refs.end(),
                                          [&](const std::string& ref) { return EqualsNoCase(ref, id); });
        if (recorded || TextMentions(constraint->GetText(), id))
            users.push_back({"Constraint", constraint->GetID()});
    }
    for (const std::string& target : model.optimisation)
        if (TextMentions(target, id)) users.push_back({"Optimisation", "Optimisation"});
    for (const auto& variable : model.variables)
        if (EqualsNoCase(variable->GetDomainID(), id) || EqualsNoCase(variable->GetSizeID(), id))
            users.push_back({"Variable", variable->GetID()});
    for (const auto& domain : model.domains)
        if (EqualsNoCase(domain->GetListConstID(), id) || EqualsNoCase(domain->GetMinConstID(), id) ||
            EqualsNoCase(domain->GetMaxConstID(), id))
            users.push_back({"Domain", domain->GetID()});
    for (const auto& constant : model.constants)
        if (constant->GetType() != TavWorkbench::CConstant::Type::StringList &&
            !EqualsNoCase(constant->GetID(), id) && TextMentions(constant->GetValue(), id))
            users.push_back({"Constant", constant->GetID()});
    return users;
}

} // namespace TavDialogs
