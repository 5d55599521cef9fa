#include "language/tree/GenLinear.hpp"

#include "language/ParseContext.hpp"
#include "language/TokenCodes.hpp"
#include "language/tree/GenInducedOp.hpp"
#include "language/tree/GenRef.hpp"
#include "language/tree/GenVal.hpp"
#include "language/tree/GenVar.hpp"

#include <vector>

namespace TavLanguage {

namespace GenLinear {

namespace {
enum class Shape { Constant, Linear };
}

void CheckLinear(GenObj& root, ParseContext& ctx, const GenObj& at, int op) {
    struct Frame {
        GenObj* node;
        bool expanded;
    };
    std::vector<Frame> stack{{&root, false}};
    std::vector<Shape> shapes;
    while (!stack.empty()) {
        Frame frame = stack.back();
        stack.pop_back();
        auto* arith = dynamic_cast<GenInducedOp*>(frame.node);
        if (arith != nullptr && arith->GetToken() != Token::CARDINALITY) {
            if (!frame.expanded) {
                stack.push_back({frame.node, true});
                if (arith->GetRight()) stack.push_back({arith->GetRight(), false});
                stack.push_back({arith->GetLeft(), false});
                continue;
            }
            if (!arith->GetRight()) continue; // negation keeps the operand's shape
            const Shape right = shapes.back();
            shapes.pop_back();
            const Shape left = shapes.back();
            shapes.pop_back();
            const bool bothConstant = left == Shape::Constant && right == Shape::Constant;
            switch (arith->GetToken()) {
            case Token::PLUS:
            case Token::MINUS:
                shapes.push_back(bothConstant ? Shape::Constant : Shape::Linear);
                break;
            case Token::TIMES:
                if (left == Shape::Linear && right == Shape::Linear) throw ParserErr(at, 30, op, "", "");
                shapes.push_back(bothConstant ? Shape::Constant : Shape::Linear);
                break;
            default:
                if (!bothConstant) throw ParserErr(at, 30, op, "", "");
                shapes.push_back(Shape::Constant);
                break;
            }
            continue;
        }
        GenObj& node = *frame.node;
        // Indexed variables first: they are most of the terms of a large linear programme.
        if (dynamic_cast<GenVar*>(&node) == nullptr && dynamic_cast<GenVal*>(&node) == nullptr &&
            dynamic_cast<GenRef*>(&node) == nullptr) {
            throw ParserErr(at, 30, op, "", "");
        }
        if (!CheckNode(node, ctx)) throw ParserErr(at, 30, op, "", "");
        const GenType& t = node.GetThisType();
        if (t.IsNumericValue() || t.GetKind() == GenKind::BoolVal)
            shapes.push_back(Shape::Constant);
        else if (t.IsFltVar())
            shapes.push_back(Shape::Linear);
        else if (t.IsVariable())
            throw ParserErr(at, 31, op, "", "");
        else
            throw ParserErr(at, 30, op, "", "");
    }
}

} // namespace GenLinear

} // namespace TavLanguage
