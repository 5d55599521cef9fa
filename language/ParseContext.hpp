#pragma once
// All state of one parse: the scanner's line, the raw problem being filled, the side information,
// the symbol table, the collected statements and the first error. One object per parse, so
// parses on different threads never share anything.

#include "language/ParserErr.hpp"
#include "language/ParserInfo.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/tree/GenProblem.hpp"
#include "language/tree/GenSymbolTable.hpp"
#include "platform/Cancelled.hpp"

#include <atomic>
#include <string>
#include <unordered_set>
#include <vector>

namespace TavLanguage {

class ConstraintSink;

class ParseContext {
public:
    ParseContext(RawCSP& problem, ParserInfo& info) : m_problem(problem), m_info(info) {}
    ParseContext(const ParseContext&) = delete;
    ParseContext& operator=(const ParseContext&) = delete;

    RawCSP& Problem() { return m_problem; }
    ParserInfo& Info() { return m_info; }
    GenSymbolTable& Symbols() { return m_symbols; }
    GenProblem& Tree() { return m_tree; }

    // The scanner's current line (starts at 1).
    int& Line() { return m_line; }
    const int* LinePointer() const { return &m_line; }

    // True once the problem has real variables: constraints must then be linear.
    bool IsRealProblem() const { return !m_problem.GetRealVariables().empty(); }

    // True when a top-level name (domain, variable, data, definition) is taken. Names other
    // than domains are taken by their binding in the symbol table.
    bool IsNameUsed(const std::string& name) const {
        return m_symbols.Contains(name) || m_domainNames.count(name) != 0;
    }
    // Takes a domain name; false when the name is already used.
    [[nodiscard]] bool DeclareDomain(const std::string& name) {
        return !IsNameUsed(name) && m_domainNames.insert(name).second;
    }

    // The parse's stop request (null: none). CheckStop throws Platform::Cancelled once it is
    // set; the scanner calls it at every line, the tree at every statement and combination.
    void SetStopRequest(const std::atomic<bool>* stop) { m_stop = stop; }
    void CheckStop() const {
        if (m_stop != nullptr && m_stop->load(std::memory_order_relaxed)) throw Platform::Cancelled();
    }

    // Identifiers of the statement being read, for the side information.
    void NoteIdentifier(std::string text) {
        if (m_notingIdentifiers) m_pendingIdentifiers.push_back(std::move(text));
    }
    // From here on identifiers are not noted (the optimisation target is no statement).
    void StopNotingIdentifiers() {
        m_pendingIdentifiers.clear();
        m_notingIdentifiers = false;
    }
    bool NotingIdentifiers() const { return m_notingIdentifiers; }
    // Hands the noted identifiers to the side information as one list named after the token.
    void FlushIdentifiers(int token);
    void DropIdentifiers() { m_pendingIdentifiers.clear(); }

    // Nesting bound of checking and generation: deeper nesting is refused instead of
    // overflowing the stack.
    static constexpr int kMaxNesting = 2000;
    int& Nesting() { return m_nesting; }

    // Bounds of the expansion of forall loops and list comprehensions in one parse: at most
    // kMaxGenerated index combinations whose conditions hold (each one generates a body or an
    // element, some hundreds of bytes) and at most kMaxWalked combinations walked, rejected
    // ones included. Past either the parse fails with code 67 ("Expansion too large") instead
    // of growing the problem without bound. Declared variables count towards kMaxGenerated
    // too (a declaration past it fails with code 62, "Invalid range for" its name).
    static constexpr long long kMaxGenerated = 1'000'000;
    static constexpr long long kMaxWalked = 20'000'000;
    // Lower bounds for one parse (tests use them to reach the refusal quickly).
    void SetExpansionBounds(long long walked, long long generated) {
        m_maxWalked = walked;
        m_maxGenerated = generated;
    }
    // Count `count` combinations walked (a range that lists its values in whole counts each
    // element it copies), and one that generates; each throws ParserErr 67 at `where`'s line
    // past its bound.
    void CountWalked(const GenObj& where, long long count = 1);
    void CountGenerated(const GenObj& where);
    // Declared variables (each element of an array one) count towards the same bound as
    // generated bodies and elements: takes `count` of it, or false (taking nothing) when that
    // would pass the bound.
    [[nodiscard]] bool TakeDeclared(long long count);
    // What is left of that bound.
    long long GeneratedLeft() const { return m_maxGenerated - m_generated; }

    // Where constraints met inside expressions (function bodies) go; the problem when null.
    ConstraintSink* SideSink() const { return m_sideSink; }
    ConstraintSink* SetSideSink(ConstraintSink* sink) {
        ConstraintSink* previous = m_sideSink;
        m_sideSink = sink;
        return previous;
    }

    // The text of the last scanner error ("Syntax error on line 3 for [$]").
    std::string& ScannerMessage() { return m_scannerMessage; }

    // Where the scanner is in the text: the start of the current line and of the token read
    // last (null: at the end of the text, where no column is given).
    void StartLine(const char* start) { m_lineStart = start; }
    void NoteToken(const char* start) {
        m_tokenColumn =
            start != nullptr && m_lineStart != nullptr ? static_cast<int>(start - m_lineStart) + 1 : 0;
    }
    // A syntax error at the current line and at the column of the token read last.
    ParserErr SyntaxError() const {
        ParserErr err(2);
        err.SetColumn(m_tokenColumn);
        return err;
    }

private:
    RawCSP& m_problem;
    ParserInfo& m_info;
    GenSymbolTable m_symbols;
    GenProblem m_tree;
    int m_line = 1;
    int m_nesting = 0;
    long long m_walked = 0;
    long long m_generated = 0;
    long long m_maxWalked = kMaxWalked;
    long long m_maxGenerated = kMaxGenerated;
    std::unordered_set<std::string> m_domainNames;
    std::vector<std::string> m_pendingIdentifiers;
    bool m_notingIdentifiers = true;
    ConstraintSink* m_sideSink = nullptr;
    std::string m_scannerMessage;
    const char* m_lineStart = nullptr;
    int m_tokenColumn = 0;
    const std::atomic<bool>* m_stop = nullptr;
};

} // namespace TavLanguage
