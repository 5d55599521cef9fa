#pragma once
// Base of every node of the raw problem model: variables, domains, values, collections,
// operators, constraints and objectives. The kind is fixed at construction (GetType); the
// virtual kind tests and accessors answer for the node kinds that support them, and every
// accessor a kind does not support throws Bug.

#include "language/raw/RPtr.hpp"
#include "language/raw/RawType.hpp"

#include <iosfwd>
#include <string>
#include <vector>

namespace TavLanguage {

class RawArr;

class RawExpr : public ReferenceCounter {
public:
    explicit RawExpr(RawType type) : m_type(type) {}
    RawExpr(const RawExpr&) = delete;
    RawExpr& operator=(const RawExpr&) = delete;
    virtual ~RawExpr();

    // The node's kind code.
    RawType GetType() const { return m_type; }

    // Name of a variable or domain node; throws Bug for other kinds.
    virtual std::string GetName() const;

    // Kind tests.
    virtual bool IsSetValued() const { return false; } // set variables, set values, Union, Intersection
    virtual bool IsStr() const { return false; }       // string values
    virtual bool IsNumeric() const { return false; }   // integer and real values (not variables)
    virtual bool IsArray() const { return false; }     // arrays (code 46)
    virtual bool IsInt() const { return false; }       // integer and boolean values
    virtual bool IsSet() const { return false; }       // set values
    virtual bool IsCon() const { return false; }       // constraints (codes 0 to 20) and soft constraints
    virtual bool IsOp() const { return false; }        // operators (RawOp)
    virtual bool IsVar() const { return false; }       // variables, and operators or arrays over variables
    virtual bool IsVal() const { return false; } // constant values (RawInt, RawBool, RawFlt, RawStr, RawSet)

    // Element count and element `index` of a collection; throw Bug for other kinds.
    virtual int GetSize() const;
    virtual RPtr<RawExpr> GetElement(int index) const;

    // Argument `index` and the argument array of a compound node; throw Bug for other kinds.
    virtual RPtr<RawExpr> GetArg(int index) const;
    virtual const RPtr<RawArr>& GetArgs() const;
    // Number of arguments of a compound node (0 for other kinds).
    virtual int GetArgCount() const { return 0; }

    // Serial number of a variable; throws Bug for other kinds.
    virtual int GetId() const;

    // Values of value nodes; throw Bug where the node holds no such value.
    virtual int GetInt() const;
    virtual double GetFlt() const;
    virtual std::string GetStr() const;

    // Same node (object identity).
    virtual bool IsEqual(const RawExpr& other) const { return this == &other; }

    // Readable text of the node and everything below it (iterative: deep trees are fine).
    void Print(std::ostream& out) const;
    std::string ToString() const;

protected:
    // Releases child references without recursion, so that freeing a long chain of nodes
    // does not grow the stack: children released while another release is running on this
    // thread are queued and freed by that outermost release.
    static void ReleaseChildren(std::vector<RPtr<RawExpr>>& children);

private:
    RawType m_type;
};

std::ostream& operator<<(std::ostream& out, const RawExpr& expr);

} // namespace TavLanguage
