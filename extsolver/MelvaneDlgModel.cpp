#include "extsolver/MelvaneDlgModel.hpp"

#include <cctype>

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
    m_log.push_back(text);
    if (onLog) onLog(text);
}

} // namespace Melvane
