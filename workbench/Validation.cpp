#include "workbench/Validation.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>

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
    if (id.empty()) return Refuse(messages, "An ID is required");
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
    if (constant->GetType() != CConstant::Type::List) return Refuse(messages, "Not List Type Constant");
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

bool CheckListSyntax(const std::string& text, bool braces, int* caret, DocMessages& messages) {
    const char open = braces ? '{' : '[';
    const char close = braces ? '}' : ']';
    const auto refuse = [&](const char* message, std::size_t at) {
        if (caret != nullptr) *caret = static_cast<int>(at);
        messages.Show(message);
        return false;
    };
    long long depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == open) ++depth;
        if (text[i] == close && --depth < 0) return refuse("Close bracket before Open Bracket", i);
    }
    if (depth > 0) return Refuse(messages, "Excess number of open brackets");
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool hasNext = i + 1 < text.size();
        const char n = hasNext ? text[i + 1] : '\0';
        if (i == 0 && c == close) return refuse("Don't start with a close bracket", 0);
        if (i == 0 && c == ',') return refuse("Don't start with a comma", 0);
        if (c == ',' && hasNext && n == ',') return refuse("2 commas in a row", i + 1);
        if (c == ',' && hasNext && n == close) return refuse("Remove Comma before Close Bracket", i + 1);
        if (c == close && hasNext && n != ',' && n != close)
            return refuse("Comma required after Close Bracket before adding new element", i + 1);
        if (c == open && hasNext && n == ',') return refuse("Comma found after Open Bracket", i + 1);
        if (!hasNext && c == ',') return refuse("Don't finish with a comma", i);
    }
    return true;
}

bool ParseInteger(const std::string& text, int& value) {
    errno = 0;
    char* end = nullptr;
    long long read = std::strtoll(text.c_str(), &end, 10);
    if (read > INT_MAX) read = INT_MAX;
    if (read < INT_MIN) read = INT_MIN;
    value = static_cast<int>(read);
    if (value == INT_MAX) return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    return *end == '\0' && end == text.c_str() + text.size();
}

bool SimpleFloatParse(const std::string& text, double& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const char first = i < text.size() ? text[i] : '\0';
    const char* start = text.c_str() + i;
    char* end = nullptr;
    value = std::strtod(start, &end);
    if (value == 0.0 && first != '0') return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    return end == text.c_str() + text.size();
}

bool DDV_MinUInt(unsigned value, unsigned minimum, DocMessages& messages) {
    if (value >= minimum) return true;
    messages.Show("Please enter an integer not less than  " + std::to_string(minimum));
    return false;
}

void SplitIntoIndentedLines(const std::string& text, std::vector<std::string>& lines) {
    std::string line = "\t\t";
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line = "\t\t";
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    lines.push_back(line);
}

} // namespace TavWorkbench
