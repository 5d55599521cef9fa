#pragma once
// One error of the modelling language: a message code, the operator in whose arguments it was
// found, up to two identifiers and the source line. Thrown by value by the scanner, the parser
// and the syntax tree; the parse driver returns the first one of a parse to its caller.
// Its code is the message number and its text (Text(), what()) the message, kept up to date
// as the fields change.

#include "platform/Error.hpp"

#include <iosfwd>
#include <string>

namespace TavLanguage {

class GenObj;

class ParserErr : public Platform::Error {
public:
    // Code 0 (no error), no operator, no texts, line 0.
    ParserErr();
    // Errors at the current line of this thread's parse.
    explicit ParserErr(int code);
    ParserErr(int code, const std::string& text1);
    // Errors at a syntax-tree node's line; `op` is the token of the operator in whose
    // arguments the error was found (-1 for none).
    ParserErr(const GenObj& node, int code);
    ParserErr(const GenObj& node, int code, int op, const std::string& text1, const std::string& text2);
    ParserErr(const GenObj& node, int code, const std::string& text1);
    virtual ~ParserErr();

    ParserErr(const ParserErr&) = default;
    ParserErr& operator=(const ParserErr&) = default;

    // True when the code is 0.
    bool IsOk() const { return GetCode() == 0; }
    int GetOperator() const { return m_operator; }
    const std::string& GetText1() const { return m_text1; }
    const std::string& GetText2() const { return m_text2; }
    int GetLine() const { return m_line; }
    // The column (from 1, in bytes) where the scanner or the grammar stopped; 0 where the error
    // has no column (it concerns a statement or a name rather than a character).
    int GetColumn() const { return m_column; }
    void SetColumn(int column) { m_column = column; }

    // Code 0, operator -1, line 0; the texts are kept.
    void Reset();
    void SetLineIfUnset(int line);
    // Records an error only while none is recorded; the line becomes the parse's current line.
    // A null text leaves that text unchanged.
    void Set(int code, int op, const char* text1, const char* text2);
    void Set(int code, const char* text1);
    void Set(int code);
    // Sets the operator token (used where an error is re-raised inside an operator's arguments).
    void SetOperator(int op) {
        m_operator = op;
        Refresh();
    }

    // Writes the message text of the code, with its "In <operator> : " prefix and identifier line.
    std::ostream& Print(std::ostream& out) const;
    // The message as one string.
    std::string Message() const;
    // The message as one line after its position, as compilers write errors for tools and
    // editors: "FILE:LINE:COLUMN: message", without the column where there is none and without
    // line and column where the error has no line (a file that cannot be read). The lines of a
    // message of several lines are joined by "; ".
    std::string PositionedMessage(const std::string& file) const;

private:
    // Makes the text follow the fields.
    void Refresh();

    int m_operator = -1;
    std::string m_text1;
    std::string m_text2;
    int m_line = 0;
    int m_column = 0;
};

std::ostream& operator<<(std::ostream& out, const ParserErr& err);

// Writes the name of an operator token ("In " name " : ").
std::ostream& PrintToken(std::ostream& out, int token);

} // namespace TavLanguage
