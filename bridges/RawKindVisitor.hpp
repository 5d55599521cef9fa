#pragma once
// One dispatch over the raw kinds for everything that translates or reads raw nodes (the
// solver bridges, the description writer, the evaluator): a table of handlers by kind. A kind
// without a handler, or a node whose argument count the kind table does not allow, is refused
// with the one TranslationError "<who> cannot handle the <what> <node>". Adding a translation
// for a kind is adding one entry to the translator's table.
//
// Handlers are plain functions (captureless lambdas written inside a member of the owner, so
// they reach its private members) taking the owner, the node and the translator's extra
// arguments. Arguments are read with RawArg, which checks the index.

#include "bridges/TranslationError.hpp"
#include "language/raw/RawExpr.hpp"
#include "language/raw/RawKinds.hpp"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace TavBridges {

// The refusal text of a translator for a node.
inline std::string RefusalText(const std::string& who, const std::string& what,
                               const TavLanguage::RawExpr& node) {
    return who + " cannot handle the " + what + " " + node.ToString();
}

// Argument `index` of a compound node; TranslationError when the node has no such argument.
inline TavLanguage::RPtr<TavLanguage::RawExpr> RawArg(const TavLanguage::RawExpr& node, int index) {
    if (index < 0 || index >= node.GetArgCount())
        throw TranslationError("The " + TavLanguage::RawTypeName(node.GetType()) + " node lacks argument " +
                               std::to_string(index) + ": " + node.ToString());
    return node.GetArg(index);
}
inline TavLanguage::RPtr<TavLanguage::RawExpr> RawArg(const TavLanguage::RPtr<TavLanguage::RawExpr>& node,
                                                      int index) {
    return RawArg(*node, index);
}

inline const TavLanguage::RawExpr& RawNodeOf(const TavLanguage::RawExpr& node) {
    return node;
}
inline const TavLanguage::RawExpr& RawNodeOf(const TavLanguage::RPtr<TavLanguage::RawExpr>& node) {
    return *node;
}

// Node is `const RPtr<RawExpr>&` or `const RawExpr&`; Extra are the translator's further
// arguments (an output stream, an assignment, a depth), passed on to the handler as given.
template <class Owner, class Node, class Result, class... Extra> class RawKindVisitor {
public:
    using Handler = Result (*)(Owner&, Node, Extra...);
    // One handler for one kind, or for several kinds that it tells apart itself.
    struct Entry {
        Entry(TavLanguage::RawType type, Handler h) : types{type}, handler(h) {}
        Entry(std::initializer_list<TavLanguage::RawType> several, Handler h) : types(several), handler(h) {}
        std::vector<TavLanguage::RawType> types;
        Handler handler;
    };

    // `who` names the translator ("Complete search"), `what` the family it translates
    // ("constraint"); a kind listed twice keeps its last handler.
    RawKindVisitor(std::string who, std::string what, std::initializer_list<Entry> entries)
        : m_who(std::move(who)), m_what(std::move(what)) {
        for (const Entry& entry : entries)
            for (TavLanguage::RawType type : entry.types) {
                const int code = TavLanguage::ToCode(type);
                if (code >= 0 && code < TavLanguage::kRawCodeLimit)
                    m_handlers[static_cast<std::size_t>(code)] = entry.handler;
            }
    }

    // Whether the table has a handler for a kind.
    bool Handles(TavLanguage::RawType type) const { return HandlerOf(type) != nullptr; }

    // The handler's result for the node; throws TranslationError for a kind without a handler
    // or an argument count outside the kind's, and whatever the handler throws.
    Result Visit(Owner& owner, Node node, Extra... extra) const {
        const TavLanguage::RawExpr& expr = RawNodeOf(node);
        const Handler handler = HandlerOf(expr.GetType());
        if (handler == nullptr) Refuse(expr);
        CheckArgCount(expr);
        return handler(owner, node, static_cast<Extra>(extra)...);
    }

    // Refuses a node whose argument count the kind table does not allow, for translators that
    // take a kind outside Visit.
    void CheckArgCount(const TavLanguage::RawExpr& node) const {
        const TavLanguage::RawKind* kind = TavLanguage::FindRawKind(node.GetType());
        const int count = node.GetArgCount();
        if (kind == nullptr || count < kind->minArgs || count > kind->maxArgs)
            throw TranslationError(RefusalText(m_who, m_what, node) + " with " + std::to_string(count) +
                                   " arguments");
    }

    // Throws the refusal of a node.
    [[noreturn]] void Refuse(const TavLanguage::RawExpr& node) const {
        throw TranslationError(RefusalText(m_who, m_what, node));
    }

private:
    Handler HandlerOf(TavLanguage::RawType type) const {
        const int code = TavLanguage::ToCode(type);
        if (code < 0 || code >= TavLanguage::kRawCodeLimit) return nullptr;
        return m_handlers[static_cast<std::size_t>(code)];
    }

    std::string m_who;
    std::string m_what;
    std::array<Handler, TavLanguage::kRawCodeLimit> m_handlers{};
};

} // namespace TavBridges
