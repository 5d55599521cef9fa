#pragma once
// The problem tree as text: "text [kind:index]" per item, indented by depth, and the same for a
// tree built afresh over the same model, to compare a tree that followed changes with.

#include "workbench/views/ProblemTree.hpp"

#include <functional>
#include <sstream>
#include <string>

inline const char* KindName(TavWorkbench::ProblemTree::ItemKind kind) {
    using Kind = TavWorkbench::ProblemTree::ItemKind;
    switch (kind) {
    case Kind::None:
        return "None";
    case Kind::Variable:
        return "Variable";
    case Kind::Domain:
        return "Domain";
    case Kind::Constraint:
        return "Constraint";
    case Kind::Constant:
        return "Constant";
    case Kind::Optimisation:
        return "Optimisation";
    }
    return "?";
}

inline std::string Dump(const TavWorkbench::ProblemTree& tree) {
    using Item = TavWorkbench::ProblemTree::Item;
    std::ostringstream out;
    std::function<void(const Item&, int)> walk = [&](const Item& item, int depth) {
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << item.text;
        if (item.data != 0) out << " [" << KindName(item.Kind()) << ":" << item.Index() << "]";
        out << "\n";
        for (const auto& child : item.children)
            walk(*child, depth + 1);
    };
    if (tree.Root() != nullptr) walk(*tree.Root(), 0);
    return out.str();
}

inline std::string FreshDump(const TavWorkbench::TavModel& model, const std::string& title) {
    TavWorkbench::ProblemTree fresh(model);
    fresh.BuildTree(title);
    return Dump(fresh);
}
