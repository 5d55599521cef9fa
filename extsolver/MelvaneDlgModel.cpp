#include "extsolver/MelvaneDlgModel.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>

namespace Melvane {

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

// A number of seconds as a user writes it ("5", "0.5"), whatever the program's locale.
std::string Shown(double seconds) {
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), seconds).ptr;
    return std::string(text, end);
}

// An unsigned field as the framework reads it: digits only, then the range.
std::optional<FieldError> ReadUnsigned(const std::string& text, unsigned max, MelvaneField field,
                                       unsigned& out) {
    const std::string digits = Trimmed(text);
    bool ok = !digits.empty() && digits.size() <= 10;
    unsigned long long value = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') {
            ok = false;
            break;
        }
        value = value * 10 + static_cast<unsigned>(ch - '0');
    }
    if (!ok || value > 0xFFFFFFFFull) return FieldError{field, "Please enter a positive integer."};
    if (value > max)
        return FieldError{field, "Please enter an integer between 0 and " + std::to_string(max) + "."};
    out = static_cast<unsigned>(value);
    return std::nullopt;
}

// A number of seconds: digits with at most one decimal point, then the range.
std::optional<FieldError> ReadSeconds(const std::string& text, MelvaneField field, double& out) {
    const std::string number = Trimmed(text);
    bool ok = !number.empty() && number.size() <= 12 && number != ".";
    bool point = false;
    for (char ch : number) {
        if (ch == '.' && !point)
            point = true;
        else if (ch < '0' || ch > '9')
            ok = false;
    }
    double value = 0;
    // Read whatever the program's locale: the field always takes a decimal point.
    if (ok) ok = std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc();
    if (!ok) return FieldError{field, "Please enter a number."};
    if (value < MelvaneDlgModel::kMinTimeLimit || value > MelvaneDlgModel::kMaxTimeLimit)
        return FieldError{field, "Please enter a number between " + Shown(MelvaneDlgModel::kMinTimeLimit) +
                                     " and " + Shown(MelvaneDlgModel::kMaxTimeLimit) + "."};
    out = value;
    return std::nullopt;
}

std::optional<FieldError> ReadName(const std::string& text, MelvaneField field, std::string& out) {
    if (text.size() > MelvaneDlgModel::kMaxNameLength)
        return FieldError{field, "Please enter no more than " +
                                     std::to_string(MelvaneDlgModel::kMaxNameLength) + " characters."};
    out = text;
    return std::nullopt;
}

} // namespace

MelvaneDlgModel::MelvaneDlgModel(const std::string& hostName)
    : serverName(!hostName.empty() && hostName.size() <= kMaxNameLength ? hostName : "localhost") {
    m_enabled[Index(MelvaneButton::Connect)] = true;
}

std::optional<FieldError> MelvaneDlgModel::Validate(MelvaneSettings& out) const {
    MelvaneSettings s;
    if (auto e = ReadName(serverName, MelvaneField::ServerName, s.serverName)) return e;
    if (auto e = ReadUnsigned(port, 9999, MelvaneField::Port, s.port)) return e;
    if (auto e = ReadName(solverName, MelvaneField::SolverName, s.solverName)) return e;
    if (auto e = ReadUnsigned(solutions, 9999, MelvaneField::Solutions, s.solutions)) return e;
    if (auto e = ReadSeconds(timeLimit, MelvaneField::TimeLimit, s.timeLimit)) return e;
    if (auto e = ReadUnsigned(lambda, 99999, MelvaneField::Lambda, s.lambda)) return e;
    if (auto e = ReadUnsigned(seed, 99999, MelvaneField::Seed, s.seed)) return e;
    if (auto e = ReadUnsigned(optimise, 99999, MelvaneField::Optimise, s.optimise)) return e;
    s.learning = learning;
    s.deltaUpdate = deltaUpdate;
    s.approxEvaluation = approxEvaluation;
    out = s;
    return std::nullopt;
}

void MelvaneDlgModel::SetFields(const MelvaneSettings& s) {
    serverName = s.serverName;
    port = std::to_string(s.port);
    solverName = s.solverName;
    solutions = std::to_string(s.solutions);
    timeLimit = Shown(s.timeLimit);
    lambda = std::to_string(s.lambda);
    seed = std::to_string(s.seed);
    optimise = std::to_string(s.optimise);
    learning = s.learning;
    deltaUpdate = s.deltaUpdate;
    approxEvaluation = s.approxEvaluation;
    Changed();
}

void MelvaneDlgModel::Enable(MelvaneButton b, bool on) {
    if (m_enabled[Index(b)] == on) return;
    m_enabled[Index(b)] = on;
    Changed();
}

void MelvaneDlgModel::SetConnectText(const std::string& text) {
    m_connectText = text;
    Changed();
}

void MelvaneDlgModel::SetMasterText(const std::string& text) {
    m_masterText = text;
    Changed();
}

void MelvaneDlgModel::AddToLog(const std::string& text) {
    std::string entry;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        std::size_t kept = end - begin;
        if (kept > kMaxLogLine) {
            kept = kMaxLogLine;
            // Not inside a character of several bytes.
            while (kept > 0 && (static_cast<unsigned char>(text[begin + kept]) & 0xC0) == 0x80)
                --kept;
        }
        entry.append(text, begin, kept);
        if (kept < end - begin) {
            const auto left = std::count_if(text.begin() + static_cast<std::ptrdiff_t>(begin + kept),
                                            text.begin() + static_cast<std::ptrdiff_t>(end), [](char ch) {
                                                return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
                                            });
            entry += " ... (" + std::to_string(left) + " more characters)";
        }
        if (end == text.size()) break;
        entry += '\n';
        begin = end + 1;
    }
    m_log.push_back(entry);
    if (onLog) onLog(entry);
}

} // namespace Melvane
