#pragma once
// Root of the syntax tree. Every node carries its static type (set by Check) and the source line
// on which it was read. The tree is walked three ways: Check (types), Gen (a raw expression) and
// Emit (statements posting constraints into a sink). Children are owned through GenPtr, whose
// deleter frees a whole subtree without recursion.

#include "language/raw/RawExpr.hpp"
#include "language/tree/GenType.hpp"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace TavLanguage {

class GenObj;
class ParseContext;
class ConstraintSink;

// Frees a subtree with an explicit stack, so very deep trees never overflow the call stack.
struct GenDeleter {
    void operator()(GenObj* node) const;
};
using GenPtr = std::unique_ptr<GenObj, GenDeleter>;
using GenList = std::vector<GenPtr>;

class GenObj {
public:
    explicit GenObj(int line) : m_line(line) {}
    GenObj(const GenObj&) = delete;
    GenObj& operator=(const GenObj&) = delete;
    virtual ~GenObj();

    int GetLine() const { return m_line; }
    // The type the last Check gave this node.
    const GenType& GetThisType() const { return m_type; }

    // Type-checks the node and its children; true, or throws ParserErr.
    [[nodiscard]] virtual bool Check(ParseContext& ctx) = 0;
    // The node's raw expression (constants folded); throws ParserErr.
    virtual RPtr<RawExpr> Gen(ParseContext& ctx) = 0;
    virtual std::string GetName() const { return "GenObj"; }
    // Diagnostic text of the node.
    virtual void Print(std::ostream& out) const;
    // Token of the node's operator, -1 for none.
    virtual int GetToken() const { return -1; }

    // As a statement: checks that the node is a constraint (code 21 otherwise).
    [[nodiscard]] virtual bool CheckStatement(ParseContext& ctx);
    // As a statement: generates the node and hands its constraint to the sink.
    virtual void Emit(ParseContext& ctx, ConstraintSink& sink);
    // True for data declarations and user definitions, which bind a name in their body.
    virtual bool IsDeclaration() const { return false; }

    // Moves the owned children out (for iterative deletion).
    virtual void ReleaseChildren(std::vector<GenObj*>& out) { (void)out; }

    // Binary and unary operators expose their first operand so that long left-leaning chains
    // are walked with a loop: the operand is handled first, then CheckRest/GenRest finish the node.
    virtual GenObj* SpineOperand() { return nullptr; }
    // True when the node must be checked by its own Check rather than along the chain.
    virtual bool ChecksAsWhole(ParseContext& ctx) const {
        (void)ctx;
        return false;
    }
    [[nodiscard]] virtual bool CheckRest(ParseContext& ctx);
    virtual RPtr<RawExpr> GenRest(ParseContext& ctx, RPtr<RawExpr> operand);

protected:
    static void Release(GenPtr& child, std::vector<GenObj*>& out) {
        if (child) out.push_back(child.release());
    }
    static void Release(GenList& children, std::vector<GenObj*>& out) {
        for (auto& child : children)
            Release(child, out);
        children.clear();
    }

    GenType m_type;
    int m_line;
};

// Bounds the nesting depth of checking and generation (ParseContext::kMaxNesting): deeper
// nesting is refused with a syntax error at the node's line instead of overflowing the stack.
class NestingGuard {
public:
    NestingGuard(ParseContext& ctx, const GenObj& node);
    ~NestingGuard() { --m_nesting; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& m_nesting;
};

// Checks a child node: loops over operator chains and bounds the nesting depth.
[[nodiscard]] bool CheckNode(GenObj& node, ParseContext& ctx);
// Generates a child node likewise.
RPtr<RawExpr> GenNode(GenObj& node, ParseContext& ctx);

std::ostream& operator<<(std::ostream& out, const GenObj& node);

} // namespace TavLanguage
