#pragma once
// An operator or function node (codes 22, 23, 29 to 42): Minimum, Maximum, #, Count, Sum,
// ScalProd, + - * / %, Abs, Power, Union, Intersection, Index. Minus may have one argument.
// A list argument (of Sum, Count, ...) is one RawArr argument.

#include "language/raw/RawCompound.hpp"

namespace TavLanguage {

class RawOp : public RawCompound {
public:
    // One-argument operator (unary minus, #, Abs, Sum over one list, ...).
    RawOp(RawType type, RPtr<RawExpr> arg);
    RawOp(RawType type, RPtr<RawExpr> arg0, RPtr<RawExpr> arg1);
    // Any number of arguments. All constructors throw Bug for a kind that is not an operator.
    RawOp(RawType type, std::vector<RPtr<RawExpr>> args);
    bool IsOp() const override { return true; }
    // True when an argument involves a variable or a constraint.
    bool IsVar() const override { return ArgsHaveVariables(); }
    bool IsSetValued() const override;
};

} // namespace TavLanguage
