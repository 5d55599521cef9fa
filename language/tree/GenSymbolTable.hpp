#pragma once
// Names visible while a problem is read, checked and generated: data, variables, forall indices,
// parameters of user definitions and the definitions themselves. A name may be bound several
// times; lookup finds the newest binding and Remove takes the newest away (shadowing).
// References to bindings stay valid until that binding is removed.

#include "language/raw/RawExpr.hpp"
#include "language/tree/GenType.hpp"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace TavLanguage {

class GenObj;

struct GenSymbol {
    enum class Kind { Data, Variable, Index, Parameter, UserConstraint, UserFunction };
    Kind kind = Kind::Data;
    GenType type;
    // The bound value (null while only types are checked).
    RPtr<RawExpr> value;
    // The definition node of a user constraint or function (not owned).
    GenObj* definition = nullptr;
};

class GenSymbolTable {
public:
    // Binds a name (newest first); returns the new binding.
    GenSymbol& Add(const std::string& name, GenSymbol symbol);
    // Removes the newest binding of the name (nothing when there is none).
    void Remove(const std::string& name);
    // The newest binding; null when the name is not bound.
    GenSymbol* Find(const std::string& name);
    bool Contains(const std::string& name) const { return m_symbols.count(name) != 0; }

private:
    std::unordered_map<std::string, std::vector<std::unique_ptr<GenSymbol>>> m_symbols;
};

} // namespace TavLanguage
