#pragma once
// Base of the nodes that have arguments: operators, constraints, soft constraints, objectives.
// The arguments are held in the node itself; the argument array that GetArgs hands out is made
// on first request (most nodes are never asked for it) and shares the same arguments.
// Invariant: no argument is null, and the arguments never change after construction.

#include "language/raw/RawArr.hpp"

#include <initializer_list>
#include <mutex>
#include <vector>

namespace TavLanguage {

class RawCompound : public RawExpr {
public:
    ~RawCompound() override;
    RPtr<RawExpr> GetArg(int index) const override;
    const RPtr<RawArr>& GetArgs() const override;
    int GetArgCount() const override { return static_cast<int>(m_argList.size()); }
    // The arguments in order, without making the argument array.
    const std::vector<RPtr<RawExpr>>& GetArgList() const { return m_argList; }
    // True when an argument is a variable, an expression over variables or a constraint.
    bool ArgsHaveVariables() const { return m_hasVariables; }

protected:
    RawCompound(RawType type, std::vector<RPtr<RawExpr>> args);
    RawCompound(RawType type, RPtr<RawExpr> arg);
    RawCompound(RawType type, RPtr<RawExpr> arg0, RPtr<RawExpr> arg1);

private:
    void NoteArg(const RPtr<RawExpr>& arg);

    std::vector<RPtr<RawExpr>> m_argList;
    mutable RPtr<RawArr> m_args;
    mutable std::once_flag m_argsMade;
    bool m_hasVariables = false;
};

} // namespace TavLanguage
