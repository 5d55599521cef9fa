#include "workbench/model/ModelHelpers.hpp"

#include <climits>
#include <cstddef>

namespace TavWorkbench {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

} // namespace

std::string ToLowerAscii(const std::string& text) {
    std::string lowered = text;
    for (char& c : lowered)
        c = LowerAscii(c);
    return lowered;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

void CopyStringArray(const std::vector<std::string>& source, std::vector<std::string>& destination) {
    if (&source == &destination) return;
    destination.assign(source.begin(), source.end());
}

void CopyIntArray(const std::vector<int>& source, std::vector<int>& destination) {
    if (&source == &destination) return;
    destination.assign(source.begin(), source.end());
}

bool CleanIdentifier(std::string& text) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (char c : text)
        if (IsAsciiAlnum(c) || c == '_') cleaned.push_back(c);
    const bool changed = cleaned.size() != text.size();
    text = std::move(cleaned);
    return changed;
}

int LeadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) magnitude = static_cast<long long>(INT_MAX) + 1;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string IntText(int value) {
    return std::to_string(value);
}

} // namespace TavWorkbench
