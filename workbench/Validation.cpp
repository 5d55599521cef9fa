#include "workbench/Validation.hpp"

#include <climits>

namespace TavWorkbench {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool Refuse(DocMessages& messages, const char* text) {
    messages.Show(text);
    return false;
}

} // namespace

bool ValidateIdSyntax(const std::string& id, DocMessages& messages) {
    if (id.empty()) return Refuse(messages, "An Domain ID is required");
    if (!IsAsciiLetter(id[0])) return Refuse(messages, "ID must start with a letter");
    for (std::size_t i = 1; i < id.size(); ++i)
        if (!IsAsciiLetter(id[i]) && !IsAsciiDigit(id[i]) && id[i] != '_')
            return Refuse(messages, "ID can only contain letters, numbers and _");
    return true;
}

bool IsKeyWordID(const std::string& id, const CKeyWords& keyWords) {
    return keyWords.IsKeyWord(id);
}

bool ValidateIdentifier(const std::string& id, const CKeyWords& keyWords, const CDomainArray& domains,
                        const CVarArray& variables, const CConArray& constraints,
                        const CConstArray& constants, ElementKind kind, int ownIndex, DocMessages& messages) {
    if (!ValidateIdSyntax(id, messages)) return false;
    if (IsKeyWordID(id, keyWords)) return Refuse(messages, "The id is in use as a Keyword, Please Change");
    const auto skip = [&](ElementKind own) { return kind == own ? ownIndex : -1; };
    if (domains.IsIDUsedElsewhere(id, skip(ElementKind::Domain)))
        return Refuse(messages, "The id is already in use for a Domain, Please Change");
    if (variables.IsIDUsedElsewhere(id, skip(ElementKind::Variable)))
        return Refuse(messages, "The id is already in use for a Variable, Please Change");
    if (constants.IsIDUsedElsewhere(id, skip(ElementKind::Constant)))
        return Refuse(messages, "The id is already in use for a Constant, Please Change");
    if (constraints.IsIDUsedElsewhere(id, skip(ElementKind::Constraint)))
        return Refuse(messages, "The id is already in use for a Constraint, Please Change");
    return true;
}

bool ValidateVariable(const std::string& domainID, const CDomainArray& domains, int arraySize, bool isArray,
                      DocMessages& messages) {
    if (!domains.IsDomainID(domainID)) return Refuse(messages, "No Domain attached to Variable");
    if (isArray && arraySize < 1) return Refuse(messages, "Arrays must have at least 1 element");
    return true;
}

bool ValidateBooleanVariable(CDomainArray& domains, int arraySize, bool isArray, DocMessages& messages) {
    if (!domains.IsDomainID("TrueFalse")) domains.AddBoolDomain("TrueFalse");
    if (isArray && arraySize < 1) return Refuse(messages, "Arrays must have at least 1 element");
    return true;
}

bool ValidateRangeConstants(int minimum, int maximum, const CConstArray& constants,
                            const std::string& minConstID, const std::string& maxConstID,
                            DocMessages& messages) {
    if (!minConstID.empty()) {
        const CConstant* constant = constants.FindConstant(minConstID);
        if (constant == nullptr) return Refuse(messages, "Minimum Constant not found");
        minimum = constant->GetIntValue();
    }
    if (!maxConstID.empty()) {
        const CConstant* constant = constants.FindConstant(maxConstID);
        if (constant == nullptr) return Refuse(messages, "Maximum Constant not found");
        maximum = constant->GetIntValue();
    }
    if (minimum > maximum) return Refuse(messages, "Minimum is greater than maximum");
    return true;
}

bool ValidateListConstant(const CConstArray& constants, const std::vector<int>& values,
                          const std::string& listConstID, DocMessages& messages) {
    if (listConstID.empty()) {
        if (values.empty()) return Refuse(messages, "Supplied Value Array is Empty");
        return true;
    }
    const CConstant* constant = constants.FindConstant(listConstID);
    if (constant == nullptr) return Refuse(messages, "Can't find specified Constant");
    if (constant->GetType() != CConstant::kList) return Refuse(messages, "Not List Type Constant");
    if (constant->GetValue() == "[]")
        return Refuse(messages, "The List Constant contains no suitable values");
    return true;
}

bool ParseIntegerList(std::vector<int>& values, const std::string& text) {
    long long pending = 0;
    bool inNumber = false;
    const auto flush = [&] {
        if (inNumber) values.push_back(static_cast<int>(pending));
        pending = 0;
        inNumber = false;
    };
    for (char c : text) {
        if (IsAsciiDigit(c)) {
            pending = pending * 10 + (c - '0');
            if (pending > INT_MAX) return false;
            inNumber = true;
        } else if (c == ' ' || c == ',') {
            flush();
        } else {
            return false;
        }
    }
    flush();
    return true;
}

} // namespace TavWorkbench
