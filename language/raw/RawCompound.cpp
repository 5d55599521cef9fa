#include "language/raw/RawCompound.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

RawCompound::RawCompound(RawType type, std::vector<RPtr<RawExpr>> args) : RawExpr(type), m_args(new RawArr) {
    m_args->ReserveElements(args.size());
    for (auto& arg : args)
        m_args->AddElement(std::move(arg));
}

RawCompound::~RawCompound() {
    std::vector<RPtr<RawExpr>> args;
    args.push_back(std::move(m_args));
    ReleaseChildren(args);
}

RPtr<RawExpr> RawCompound::GetArg(int index) const {
    if (index < 0 || index >= m_args->GetSize()) throw Bug("RawCompound.cpp", 17);
    return m_args->GetElement(index);
}

} // namespace TavLanguage
