#include "workbench/dialogs/domains/DomainIdCheck.hpp"

#include "workbench/model/ModelHelpers.hpp"

#include <vector>

namespace TavDialogs {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

bool CheckDomainIdText(std::string& id, DialogMessages& messages) {
    if (id.empty()) {
        messages.ShowBox("A Domain ID is required", {});
        return false;
    }
    if (!IsAsciiLetter(id[0])) {
        messages.ShowBox("Please start ID's with a letter", {});
        return false;
    }
    std::string cleaned = id;
    if (TavWorkbench::CleanIdentifier(cleaned)) {
        messages.ShowBox("Illegal characters removed from ID", {});
        id = cleaned;
        return false;
    }
    return true;
}

std::string DomainInUseMessage(const std::string& originalID, const ProblemRefs& refs) {
    std::vector<std::string> users;
    if (!refs.variables.GetVariablesOfDomain(originalID, users)) return {};
    std::string text = "Can't change this Domain ID.\n It is used by\n";
    for (const std::string& user : users)
        text += user + "\n";
    return text;
}

bool CheckDomainIdUse(std::string& id, const std::string& originalID, DialogMode mode,
                      const ProblemRefs& refs, DialogMessages& messages, bool* reset) {
    if (reset != nullptr) *reset = false;
    if (mode == DialogMode::Edit && id == originalID) return true;
    if (mode == DialogMode::Edit) {
        const std::string inUse = DomainInUseMessage(originalID, refs);
        if (!inUse.empty()) {
            messages.ShowBox(inUse, {});
            id = originalID;
            if (reset != nullptr) *reset = true;
            return false;
        }
    }
    if (refs.domains.IsDomainID(id)) {
        messages.ShowBox("This ID is already used - Please change", {});
        return false;
    }
    return true;
}

bool CheckDomainIdKeyword(const std::string& id, const ProblemRefs& refs, DialogMessages& messages) {
    if (!refs.keyWords.IsKeyWord(id)) return true;
    messages.ShowBox("Please Change Domain ID \n " + id + " is a keyword", {});
    return false;
}

} // namespace TavDialogs
