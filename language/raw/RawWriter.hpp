#pragma once
// Writes raw nodes as readable text: values as literals, variables by name, operators and
// comparisons infix, built-in constraints and functions as calls, lists in brackets. Works with
// an explicit stack, so arbitrarily deep expressions print without recursion.

#include <iosfwd>

namespace TavLanguage {

class RawExpr;

class RawWriter {
public:
    explicit RawWriter(std::ostream& out) : m_out(out) {}
    // Writes one node and everything below it.
    void Write(const RawExpr& expr);

private:
    std::ostream& m_out;
};

} // namespace TavLanguage
