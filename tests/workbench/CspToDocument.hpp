#pragma once
// Builds a workbench document from a problem file in the modelling language, through the
// model API, as a user would enter it in the workbench: constants, domains and variables as
// model objects, each top-level constraint statement (forall blocks, user-defined constraints
// and functions included) as one constraint, and the optimisation target. Returns false for a
// declaration the model objects cannot express.

#include "workbench/model/TavModel.hpp"

#include <cctype>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace CspToDocument {

using namespace TavWorkbench;

inline std::string Trim(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

inline std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

inline std::string StripComments(const std::string& text) {
    std::string out;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') inString = !inString;
        if (!inString && text[i] == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n')
                ++i;
        }
        if (i < text.size()) out += text[i];
    }
    return out;
}

// Statements of a block: each ends at ";" outside brackets, or at a "}" that closes the
// outermost bracket (unless "else" follows).
inline std::vector<std::string> Statements(const std::string& block) {
    std::vector<std::string> statements;
    std::string current;
    int depth = 0;
    for (std::size_t i = 0; i < block.size(); ++i) {
        const char c = block[i];
        current += c;
        if (c == '(' || c == '[' || c == '{') ++depth;
        if (c == ')' || c == ']' || c == '}') --depth;
        bool end = depth == 0 && c == ';';
        // A closing brace ends a block statement (forall, if, a definition), not a set literal
        // at the start of an expression.
        if (depth == 0 && c == '}' && Trim(current).front() != '{') {
            std::size_t j = i + 1;
            while (j < block.size() && std::isspace(static_cast<unsigned char>(block[j])))
                ++j;
            end = Lower(block.substr(j, 4)) != "else" && (j >= block.size() || block[j] != ';');
        }
        if (end) {
            if (!Trim(current).empty()) statements.push_back(Trim(current));
            current.clear();
        }
    }
    if (!Trim(current).empty()) statements.push_back(Trim(current));
    return statements;
}

inline std::vector<std::string> SplitTopLevel(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string current;
    int depth = 0;
    for (char c : text) {
        if (c == '(' || c == '[' || c == '{') ++depth;
        if (c == ')' || c == ']' || c == '}') --depth;
        if (c == separator && depth == 0) {
            parts.push_back(Trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(Trim(current));
    return parts;
}

inline bool IsInteger(const std::string& s) {
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i >= s.size()) return false;
    for (; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

inline bool IsIdentifier(const std::string& s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

// A bound: a number, or a constant with an optional "+ k" / "- k".
inline bool Bound(const std::string& text, int& number, std::string& constant, int& offset) {
    const std::string s = Trim(text);
    if (IsInteger(s)) {
        number = std::stoi(s);
        return true;
    }
    std::size_t op = s.find_first_of("+-");
    constant = Trim(s.substr(0, op));
    if (!IsIdentifier(constant)) return false;
    if (op == std::string::npos) return true;
    const std::string k = Trim(s.substr(op + 1));
    if (!IsInteger(k)) return false;
    offset = s[op] == '-' ? -std::stoi(k) : std::stoi(k);
    return true;
}

inline bool IntegerList(const std::string& inner, std::vector<int>& values) {
    if (Trim(inner).empty()) return true;
    for (const std::string& part : SplitTopLevel(inner, ',')) {
        if (!IsInteger(part)) return false;
        values.push_back(std::stoi(part));
    }
    return true;
}

inline bool Constant(const std::string& statement, TavModel& model) {
    const auto assign = statement.find(":=");
    if (assign == std::string::npos) return false;
    const std::string id = Trim(statement.substr(0, assign));
    std::string value = Trim(statement.substr(assign + 2));
    if (!value.empty() && value.back() == ';') value = Trim(value.substr(0, value.size() - 1));
    const std::string inner = value.size() >= 2 ? value.substr(1, value.size() - 2) : "";
    if (value.front() == '{' && value.back() == '}') {
        model.constants.Add(std::make_unique<CConstant>(id, inner, CConstant::Type::Set));
    } else if (value.front() == '[' && value.back() == ']') {
        if (inner.find('"') == std::string::npos) {
            model.constants.Add(std::make_unique<CConstant>(id, inner, CConstant::Type::List));
        } else {
            std::string names;
            for (const std::string& part : SplitTopLevel(inner, ',')) {
                if (part.size() < 2 || part.front() != '"' || part.back() != '"') return false;
                names += (names.empty() ? "" : ",") + part.substr(1, part.size() - 2);
            }
            model.constants.Add(std::make_unique<CConstant>(id, names, CConstant::Type::StringList));
        }
    } else {
        model.constants.Add(std::make_unique<CConstant>(id, value, CConstant::Type::Integer));
    }
    return true;
}

inline bool Domain(const std::string& statement, TavModel& model) {
    std::istringstream in(statement);
    std::string keyword;
    in >> keyword;
    const auto eq = statement.find('=');
    if (eq == std::string::npos) return false;
    const std::string id = Trim(statement.substr(keyword.size(), eq - keyword.size()));
    std::string value = Trim(statement.substr(eq + 1));
    if (!value.empty() && value.back() == ';') value = Trim(value.substr(0, value.size() - 1));
    const std::string inner = value.size() >= 2 ? value.substr(1, value.size() - 2) : "";
    keyword = Lower(keyword);
    if (keyword == "setdom" && value.front() == '{') {
        std::vector<int> values;
        if (!IntegerList(inner, values)) return false;
        model.domains.AddSetDomain(id, values);
        return true;
    }
    if (keyword == "enumdom" && value.front() == '{') {
        std::vector<std::string> names;
        for (const std::string& part : SplitTopLevel(inner, ','))
            names.push_back(part.size() >= 2 && part.front() == '"' ? part.substr(1, part.size() - 2) : part);
        model.domains.AddEnumDomain(id, names);
        return true;
    }
    if (keyword != "intdom") return false;
    if (value.front() == '{') {
        std::vector<int> values;
        if (!IntegerList(inner, values) || values.empty()) return false;
        model.domains.AddIntDomain(id, "", "", "", 0, 0, values, 0, 0);
        return true;
    }
    if (IsIdentifier(value)) {
        model.domains.AddIntDomain(id, value, "", "", 0, 0, {}, 0, 0);
        return true;
    }
    if (value.front() != '[') return false;
    const auto bounds = SplitTopLevel(inner, ',');
    if (bounds.size() != 2) return false;
    int lo = 0, hi = 0, loOffset = 0, hiOffset = 0;
    std::string loConst, hiConst;
    if (!Bound(bounds[0], lo, loConst, loOffset) || !Bound(bounds[1], hi, hiConst, hiOffset)) return false;
    model.domains.AddIntDomain(id, "", loConst, hiConst, lo, hi, {}, loOffset, hiOffset);
    return true;
}

inline bool Variables(const std::string& statement, TavModel& model) {
    std::istringstream in(statement);
    std::string keyword;
    in >> keyword;
    std::string rest = Trim(statement.substr(keyword.size()));
    if (!rest.empty() && rest.back() == ';') rest = Trim(rest.substr(0, rest.size() - 1));
    std::string domain;
    if (const auto colons = rest.find("::"); colons != std::string::npos) {
        domain = Trim(rest.substr(colons + 2));
        rest = rest.substr(0, colons);
    }
    const std::string k = Lower(keyword);
    using Type = CVariable::Type;
    const Type type = k == "boolvar"   ? Type::BoolVar
                      : k == "enumvar" ? Type::EnumVar
                      : k == "intvar"  ? Type::IntVar
                      : k == "realvar" ? Type::RealVar
                      : k == "setvar"  ? Type::SetVar
                                       : Type::None;
    if (type == Type::None) return false;
    for (const std::string& declaration : SplitTopLevel(rest, ',')) {
        const auto bracket = declaration.find('[');
        const std::string id = Trim(declaration.substr(0, bracket));
        if (bracket == std::string::npos) {
            model.variables.AddVariable(id, type, domain, 0, "", {});
            continue;
        }
        std::vector<int> dimensions;
        std::string sizeText;
        std::string dims = declaration.substr(bracket);
        while (!dims.empty() && dims.front() == '[') {
            const auto close = dims.find(']');
            const std::string size = Trim(dims.substr(1, close - 1));
            if (IsInteger(size)) {
                dimensions.push_back(std::stoi(size));
            } else if (IsIdentifier(size) && sizeText.empty()) {
                sizeText = size;
            } else {
                return false;
            }
            dims = Trim(dims.substr(close + 1));
        }
        if (!sizeText.empty() && !dimensions.empty()) return false;
        model.variables.AddVariable(id, type, domain, 1, sizeText, dimensions);
    }
    return true;
}

// The problem file `path` into `model`; false when a declaration cannot be expressed.
inline bool Convert(const std::string& path, TavModel& model) {
    std::ifstream in(path);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = StripComments(buffer.str());
    const auto open = text.find('{');
    const auto close = text.rfind('}');
    if (open == std::string::npos || close == std::string::npos) return false;
    const std::string body = text.substr(open + 1, close - open - 1);
    std::size_t at = 0;
    while (true) {
        const auto brace = body.find('{', at);
        if (brace == std::string::npos) break;
        const std::string section = Lower(Trim(body.substr(at, brace - at)));
        int depth = 0;
        std::size_t end = brace;
        for (; end < body.size(); ++end) {
            if (body[end] == '{') ++depth;
            if (body[end] == '}' && --depth == 0) break;
        }
        const std::string content = body.substr(brace + 1, end - brace - 1);
        at = end + 1;
        const auto statements = Statements(content);
        if (section == "data") {
            for (const auto& s : statements)
                if (!Constant(s, model)) return false;
        } else if (section == "domains") {
            for (const auto& s : statements)
                if (!Domain(s, model)) return false;
        } else if (section == "variables") {
            for (const auto& s : statements)
                if (!Variables(s, model)) return false;
        } else if (section == "constraints") {
            int k = 0;
            for (const auto& s : statements)
                model.constraints.Add(std::make_unique<CConstraint>("c" + std::to_string(++k), s));
        } else if (section == "optimisation") {
            model.optimisation = {Trim(content)};
        } else {
            return false;
        }
    }
    return true;
}

} // namespace CspToDocument
