#include "language/raw/RawWriter.hpp"

#include "language/raw/RawArr.hpp"
#include "language/raw/RawCompound.hpp"
#include "language/raw/RawExpr.hpp"
#include "language/raw/RawRange.hpp"

#include <ostream>
#include <vector>

namespace TavLanguage {

namespace {

// One pending piece of output: a literal text or a node (nested nodes of infix kinds get parentheses).
struct Piece {
    const RawExpr* node;
    const char* text;
    bool nested;
};

bool IsInfix(RawType t) {
    switch (t) {
    case RawType::Equal:
    case RawType::Greater:
    case RawType::GreaterEqual:
    case RawType::Less:
    case RawType::LessEqual:
    case RawType::NotEqual:
    case RawType::Subset:
    case RawType::StrictSubset:
    case RawType::Plus:
    case RawType::Minus:
    case RawType::Times:
    case RawType::Divide:
    case RawType::Modulo:
        return true;
    default:
        return false;
    }
}

bool IsLogicalBinary(RawType t) {
    return t == RawType::And || t == RawType::Or || t == RawType::Implies || t == RawType::Iff ||
           t == RawType::Xor;
}

const char* InfixText(RawType t) {
    switch (t) {
    case RawType::Equal:
        return " = ";
    case RawType::Greater:
        return " > ";
    case RawType::GreaterEqual:
        return " >= ";
    case RawType::Less:
        return " < ";
    case RawType::LessEqual:
        return " <= ";
    case RawType::NotEqual:
        return " <> ";
    case RawType::Subset:
        return " SubsetOf ";
    case RawType::StrictSubset:
        return " StrictSubsetOf ";
    case RawType::Plus:
        return " + ";
    case RawType::Minus:
        return " - ";
    case RawType::Times:
        return " * ";
    case RawType::Divide:
        return " / ";
    case RawType::Modulo:
        return " % ";
    case RawType::And:
        return " And ";
    case RawType::Or:
        return " Or ";
    case RawType::Implies:
        return " Implies ";
    case RawType::Iff:
        return " Iff ";
    case RawType::Xor:
        return " Xor ";
    default:
        return " ? ";
    }
}

} // namespace

void RawWriter::Write(const RawExpr& root) {
    // Constants are most of what is written (indices, coefficients): no stack for them.
    if (root.GetType() == RawType::IntVal) {
        m_out << root.GetInt();
        return;
    }
    std::vector<Piece> stack;
    stack.push_back({&root, nullptr, false});
    // Pieces are pushed in reverse so that they pop in writing order.
    auto pushList = [&stack](const std::vector<RPtr<RawExpr>>& items, const char* open, const char* close) {
        stack.push_back({nullptr, close, false});
        for (std::size_t i = items.size(); i-- > 0;) {
            stack.push_back({items[i].Get(), nullptr, false});
            if (i > 0) stack.push_back({nullptr, ", ", false});
        }
        stack.push_back({nullptr, open, false});
    };
    while (!stack.empty()) {
        Piece piece = stack.back();
        stack.pop_back();
        if (piece.node == nullptr) {
            m_out << piece.text;
            continue;
        }
        const RawExpr& e = *piece.node;
        const RawType t = e.GetType();
        switch (t) {
        case RawType::IntVal:
            m_out << e.GetInt();
            continue;
        case RawType::BoolVal:
            m_out << (e.GetInt() != 0 ? "true" : "false");
            continue;
        case RawType::FltVal:
            m_out << e.GetFlt();
            continue;
        case RawType::StrVal:
            m_out << '"' << e.GetStr() << '"';
            continue;
        case RawType::BoolVar:
        case RawType::IntVar:
        case RawType::FltVar:
        case RawType::SetVar:
        case RawType::StrVar:
        case RawType::IntDom:
        case RawType::BoolDom:
        case RawType::SetDom:
        case RawType::FltDom:
        case RawType::StrDom:
            m_out << e.GetName();
            continue;
        case RawType::Range: {
            const auto& r = static_cast<const RawRange&>(e);
            m_out << "[" << r.GetLow() << ".." << r.GetHigh() << "]";
            continue;
        }
        case RawType::Array:
            pushList(static_cast<const RawCol&>(e).GetElements(), "[", "]");
            continue;
        case RawType::SetVal:
            pushList(static_cast<const RawCol&>(e).GetElements(), "{", "}");
            continue;
        case RawType::Tuple:
            pushList(static_cast<const RawCol&>(e).GetElements(), "(", ")");
            continue;
        default:
            break;
        }
        if (e.GetArgCount() == 0 && !e.IsCon() && !e.IsOp() && t != RawType::Minimise &&
            t != RawType::Maximise) {
            m_out << "<" << RawTypeName(t) << ">";
            continue;
        }
        const std::vector<RPtr<RawExpr>>& args = static_cast<const RawCompound&>(e).GetArgList();
        if ((IsInfix(t) || IsLogicalBinary(t)) && args.size() == 2) {
            if (piece.nested) stack.push_back({nullptr, ")", false});
            stack.push_back({args[1].Get(), nullptr, true});
            stack.push_back({nullptr, InfixText(t), false});
            stack.push_back({args[0].Get(), nullptr, true});
            if (piece.nested) stack.push_back({nullptr, "(", false});
            continue;
        }
        if ((t == RawType::Minus || t == RawType::Cardinality || t == RawType::Not) && args.size() == 1) {
            const bool wrap = t == RawType::Not && piece.nested; // "Not a And b" would read ambiguously
            if (wrap) stack.push_back({nullptr, ")", false});
            stack.push_back({args[0].Get(), nullptr, true});
            if (wrap) m_out << "(";
            m_out << (t == RawType::Minus ? "-" : t == RawType::Cardinality ? "#" : "Not ");
            continue;
        }
        const char* name = "?";
        switch (t) {
        case RawType::SoftConstraint:
            name = "Soft";
            break;
        case RawType::Minimise:
            name = "Minimise";
            break;
        case RawType::Maximise:
            name = "Maximise";
            break;
        default:
            m_out << RawTypeName(t);
            name = "";
            break;
        }
        m_out << name;
        pushList(args, "(", ")");
    }
}

} // namespace TavLanguage
