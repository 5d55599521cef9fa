#include "language/ParserErr.hpp"

#include "language/ParseLine.hpp"
#include "language/TokenCodes.hpp"

#include <ostream>
#include <sstream>

namespace TavLanguage {

ParserErr::ParserErr() : Platform::Error(0, "") {
    Refresh();
}

ParserErr::ParserErr(int code) : Platform::Error(code, ""), m_line(CurrentParseLine()) {
    Refresh();
}

ParserErr::ParserErr(int code, const std::string& text1)
    : Platform::Error(code, ""), m_text1(text1), m_line(CurrentParseLine()) {
    Refresh();
}

ParserErr::~ParserErr() = default;

void ParserErr::Refresh() {
    SetCodeAndText(GetCode(), Message());
}

void ParserErr::Reset() {
    m_operator = -1;
    m_line = 0;
    m_column = 0;
    SetCodeAndText(0, "");
    Refresh();
}

void ParserErr::SetLineIfUnset(int line) {
    if (m_line == 0) m_line = line;
    Refresh();
}

void ParserErr::Set(int code, int op, const char* text1, const char* text2) {
    if (GetCode() != 0) return;
    m_operator = op;
    if (text1 != nullptr) m_text1 = text1;
    if (text2 != nullptr) m_text2 = text2;
    m_line = CurrentParseLine();
    SetCodeAndText(code, "");
    Refresh();
}

void ParserErr::Set(int code, const char* text1) {
    if (GetCode() != 0) return;
    if (text1 != nullptr) m_text1 = text1;
    m_line = CurrentParseLine();
    SetCodeAndText(code, "");
    Refresh();
}

void ParserErr::Set(int code) {
    if (GetCode() != 0) return;
    m_line = CurrentParseLine();
    SetCodeAndText(code, "");
    Refresh();
}

namespace {

// Message of a code; returns false when the code writes no identifier line after it.
bool WriteMessage(std::ostream& out, int code, int line, const std::string& t1, const std::string& t2) {
    const std::string l = std::to_string(line);
    auto at = [&](const char* text) { out << text << " (line " << l << ")\n"; };
    switch (code) {
    case 0:
        out << "Parsed CSP file successfully\n";
        return true;
    case 1:
        out << "Can't open CSP File\n";
        return true;
    case 2:
        at("Syntax error");
        return true;
    case 3:
        if (!t1.empty())
            out << "Identifier " << t1 << " already used\n";
        else
            out << " identifier already used\n";
        return true;
    case 4:
        at("Expected parameter");
        return true;
    case 5:
        at("Expected value");
        return true;
    case 6:
        at("Expected variable");
        return true;
    case 7:
        at("Expected integer");
        return true;
    case 8:
        at("Expected numeric (integer or real value or variable) type");
        return true;
    case 9:
        at("Expected set");
        return true;
    case 10:
        at("Expected string");
        return true;
    case 11:
        at("Expected boolean");
        return true;
    case 12:
        at("Expected boolean variable");
        return true;
    case 13:
        at("Expected integer variable");
        return true;
    case 14:
        at("Expected set variable");
        return true;
    case 15:
        at("Expected string variable");
        return true;
    case 16:
        at("Expected integer, boolean or string variable");
        return true;
    case 17:
        at("Expected boolean value");
        return true;
    case 18:
        at("Expected integer value");
        return true;
    case 19:
        at("Expected set value");
        return true;
    case 20:
        at("Expected string value");
        return true;
    case 21:
        at("Expected constraint");
        return true;
    case 22:
        at("Hard constraints only in logical expressions");
        return true;
    case 23:
        at("Expect list");
        return true;
    case 24:
        at("User defined constraint expected");
        return true;
    case 25:
        at("Expected user function");
        return true;
    case 26:
        at("Too few elements in tuple (must be at least 2)");
        return true;
    case 27:
        at("Incompatible types");
        return true;
    case 28:
        at("Some variable arguments required");
        return true;
    case 29:
        out << "Wrong number of parameters to user defined constraint (line" << l << ")\n";
        return true;
    case 30:
        at("Linear expression expected");
        return true;
    case 31:
        out << "Linear constraint expected: only <=, >=, = allowed, and if constraint"
            << " contains one real variable, all variables must be real (line " << l << ")\n";
        return true;
    case 32:
        at("No repeated variables allowed in this constraint or function");
        return true;
    case 33:
        at("Expected list of values");
        return true;
    case 34:
        at("Expected list of integer values");
        return true;
    case 35:
        at("Expected list of set values");
        return true;
    case 36:
        at("Expected list of string values");
        return true;
    case 37:
        at("Expected list of variables");
        return true;
    case 38:
        at("Expected list of integer variables");
        return true;
    case 39:
        at("Expected list of set variables");
        return true;
    case 40:
        at("Expected list of finite variables");
        return true;
    case 41:
        at("Expected list of integer values and/or variables");
        return true;
    case 42:
        at("Expected list of set values and/or variables");
        return true;
    case 43:
        at("The two list arguments aren't the same length");
        return true;
    case 44:
        at("Elements of list are not of the same type");
        return true;
    case 45:
        at("List contains no elements");
        return true;
    case 46:
        out << "Set Domain type " << t1 << " unknown (line " << l << ")\n";
        return false;
    case 47:
        out << "Integer Domain type " << t1 << " unknown (line " << l << ")\n";
        return false;
    case 48:
        out << "Real Domain type " << t1 << " unknown (line " << l << ")\n";
        return false;
    case 49:
        out << "String Domain type " << t1 << " unknown (line " << l << ")\n";
        return false;
    case 50:
        at("Unknown constraint");
        return true;
    case 51:
        at("Unknown function");
        return true;
    case 52:
        return true;
    case 53:
        out << "Variable " << t1 << " not found (line " << l << ")\n";
        return false;
    case 54:
        out << "Array " << t1 << " not found (line " << l << ")\n";
        return false;
    case 55:
        out << "Index " << t1 << " not found (line " << l << ")\n";
        return false;
    case 56:
        out << "Variable or Index " << t1 << " not found (line " << l << ")\n";
        return false;
    case 57:
        at("No range declarations allowed in If statements");
        return false;
    case 58:
        out << "No ranges in Forall construct\n";
        return false;
    case 59:
        out << "Identifier ";
        if (!t1.empty()) out << t1;
        out << " not found\n";
        return true;
    case 60:
        out << "Attempt to access element in expression which is not an array\n";
        return false;
    case 61:
        out << "No indices found\n";
        return false;
    case 62:
        out << "Invalid range for " << t1 << " (line " << l << ")\n";
        return false;
    case 63:
        out << "Index " << t1 << " is out of range for array ";
        if (!t2.empty()) out << t2;
        out << "\n";
        return true;
    case 64:
        out << "Cannot divide by zero\n";
        return true;
    case 65:
        out << "Could not open file " << t1 << "\n";
        return false;
    case 66:
        out << "Bug in file " << t1 << " (at line " << l << ")\n";
        return true;
    case 67:
        out << "Expansion too large: forall loops and list comprehensions exceed " << t1 << " (line " << l
            << ")\n";
        return false;
    default:
        return true;
    }
}

} // namespace

std::ostream& ParserErr::Print(std::ostream& out) const {
    if (m_operator >= 0) {
        out << "In ";
        PrintToken(out, m_operator);
        out << " : ";
    }
    if (WriteMessage(out, GetCode(), m_line, m_text1, m_text2) && !m_text1.empty()) {
        out << "Bad identifier possibly " << m_text1;
        if (!m_text2.empty()) out << " or " << m_text2;
        out << "\n";
    }
    return out;
}

std::string ParserErr::Message() const {
    std::ostringstream out;
    Print(out);
    return out.str();
}

std::string ParserErr::PositionedMessage(const std::string& file) const {
    std::string line = file + ":";
    if (m_line > 0) {
        line += std::to_string(m_line) + ":";
        if (m_column > 0) line += std::to_string(m_column) + ":";
    }
    line += " ";
    const std::string message = Message();
    std::size_t start = 0;
    bool first = true;
    while (start < message.size()) {
        std::size_t end = message.find('\n', start);
        if (end == std::string::npos) end = message.size();
        std::string part = message.substr(start, end - start);
        while (!part.empty() && (part.back() == '\r' || part.back() == ' '))
            part.pop_back();
        if (!part.empty()) {
            line += (first ? "" : "; ") + part;
            first = false;
        }
        start = end + 1;
    }
    return line;
}

std::ostream& operator<<(std::ostream& out, const ParserErr& err) {
    return err.Print(out);
}

std::ostream& PrintToken(std::ostream& out, int token) {
    return out << TokenName(token);
}

} // namespace TavLanguage
