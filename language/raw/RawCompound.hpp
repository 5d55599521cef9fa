#pragma once
// Base of the nodes that have arguments: operators, constraints, soft constraints, objectives.
// Invariant: the argument array is never null.

#include "language/raw/RawArr.hpp"

#include <initializer_list>
#include <vector>

namespace TavLanguage {

class RawCompound : public RawExpr {
public:
    ~RawCompound() override;
    RPtr<RawExpr> GetArg(int index) const override;
    const RPtr<RawArr>& GetArgs() const override { return m_args; }
    int GetArgCount() const override { return m_args->GetSize(); }

protected:
    RawCompound(RawType type, std::vector<RPtr<RawExpr>> args);

private:
    RPtr<RawArr> m_args;
};

} // namespace TavLanguage
