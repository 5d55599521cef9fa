#include "workbench/dialogs/NumberFields.hpp"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace TavDialogs {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without blanks around it; false when nothing is left.
bool Trimmed(const std::string& text, std::string& out) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    out = text.substr(first, last - first);
    return !out.empty();
}

// An optional sign (when allowed) and at least one digit, nothing else.
bool ReadWhole(const std::string& text, bool allowSign, long long& value) {
    std::string t;
    if (!Trimmed(text, t)) return false;
    std::size_t i = 0;
    bool negative = false;
    if (allowSign && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        ++i;
    }
    if (i == t.size()) return false;
    long long magnitude = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        magnitude = magnitude * 10 + (t[i] - '0');
        if (magnitude > 0xFFFFFFFFLL) return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

std::string RangeMessage(long long minimum, long long maximum) {
    return "Please enter an integer between " + std::to_string(minimum) + " and " + std::to_string(maximum) +
           ".";
}

bool ReadIntField(const std::string& text, int& value, DialogMessages& messages) {
    long long v = 0;
    if (!ReadWhole(text, true, v) || v < INT_MIN || v > INT_MAX) {
        messages.ShowBox(kEnterInteger, {});
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

bool ReadUIntField(const std::string& text, unsigned& value, DialogMessages& messages) {
    long long v = 0;
    if (!ReadWhole(text, false, v) || v > UINT_MAX) {
        messages.ShowBox(kEnterPositiveInteger, {});
        return false;
    }
    value = static_cast<unsigned>(v);
    return true;
}

bool ReadDoubleField(const std::string& text, double& value, DialogMessages& messages) {
    std::string t;
    if (Trimmed(text, t)) {
        char* end = nullptr;
        errno = 0;
        const double v = std::strtod(t.c_str(), &end);
        if (end == t.c_str() + t.size() && errno != ERANGE && std::isfinite(v)) {
            value = v;
            return true;
        }
    }
    messages.ShowBox(kEnterNumber, {});
    return false;
}

bool CheckIntRange(long long value, long long minimum, long long maximum, DialogMessages& messages) {
    if (value >= minimum && value <= maximum) return true;
    messages.ShowBox(RangeMessage(minimum, maximum), {});
    return false;
}

std::string DoubleText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

} // namespace TavDialogs
