#include "language/raw/RawCompound.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

RawCompound::RawCompound(RawType type, std::vector<RPtr<RawExpr>> args)
    : RawExpr(type), m_argList(std::move(args)) {
    for (const auto& arg : m_argList)
        NoteArg(arg);
}

RawCompound::RawCompound(RawType type, RPtr<RawExpr> arg) : RawExpr(type) {
    NoteArg(arg);
    m_argList.reserve(1);
    m_argList.push_back(std::move(arg));
}

RawCompound::RawCompound(RawType type, RPtr<RawExpr> arg0, RPtr<RawExpr> arg1) : RawExpr(type) {
    NoteArg(arg0);
    NoteArg(arg1);
    m_argList.reserve(2);
    m_argList.push_back(std::move(arg0));
    m_argList.push_back(std::move(arg1));
}

void RawCompound::NoteArg(const RPtr<RawExpr>& arg) {
    // The same refusal as appending a null element to an array.
    if (!arg) throw Bug("RawCol.cpp", 15);
    if (arg->IsVar() || arg->IsCon()) m_hasVariables = true;
}

RawCompound::~RawCompound() {
    std::vector<RPtr<RawExpr>> children = std::move(m_argList);
    if (m_args) children.push_back(std::move(m_args));
    ReleaseChildren(children);
}

const RPtr<RawArr>& RawCompound::GetArgs() const {
    std::call_once(m_argsMade, [this] {
        RPtr<RawArr> args(new RawArr);
        args->ReserveElements(m_argList.size());
        for (const auto& arg : m_argList)
            args->AddElement(arg);
        m_args = std::move(args);
    });
    return m_args;
}

RPtr<RawExpr> RawCompound::GetArg(int index) const {
    if (index < 0 || index >= GetArgCount()) throw Bug("RawCompound.cpp", 17);
    return m_argList[static_cast<std::size_t>(index)];
}

} // namespace TavLanguage
