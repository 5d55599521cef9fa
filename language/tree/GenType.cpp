#include "language/tree/GenType.hpp"

#include "language/raw/RawCol.hpp"
#include "language/raw/RawVar.hpp"
#include "platform/FatalError.hpp"

namespace TavLanguage {

GenType::SubTypeList::SubTypeList(const std::vector<GenType>& items) {
    if (!items.empty()) m_items = std::make_unique<std::vector<GenType>>(items);
}

GenType::SubTypeList::SubTypeList(const SubTypeList& other) {
    if (!other.empty()) m_items = std::make_unique<std::vector<GenType>>(*other.m_items);
}

GenType::SubTypeList& GenType::SubTypeList::operator=(const SubTypeList& other) {
    if (this != &other) {
        std::unique_ptr<std::vector<GenType>> items;
        if (!other.empty()) items = std::make_unique<std::vector<GenType>>(*other.m_items);
        m_items = std::move(items);
    }
    return *this;
}

GenType::SubTypeList::~SubTypeList() = default;

const std::vector<GenType>& GenType::SubTypeList::Items() const {
    static const std::vector<GenType> none;
    return m_items ? *m_items : none;
}

void GenType::SubTypeList::push_back(GenType type) {
    if (!m_items) m_items = std::make_unique<std::vector<GenType>>();
    m_items->push_back(std::move(type));
}

void GenType::SubTypeList::assign(std::size_t count, const GenType& type) {
    GenType copy = type; // `type` may live inside this list
    if (!m_items) m_items = std::make_unique<std::vector<GenType>>();
    m_items->assign(count, copy);
}

void GenType::SetSubType(const GenType& type) {
    GenType copy = type; // `type` may live inside our own list
    m_subTypes.clear();
    m_subTypes.push_back(std::move(copy));
}

void GenType::AddElementType(const GenType& type) {
    if (HasSubTypes())
        m_subTypes[0].AddArraySubTypes(type);
    else
        m_subTypes.push_back(type);
}

GenType::GenType(const RPtr<RawExpr>& expr) {
    AddArraySubTypes(expr);
}

void GenType::AddArraySubTypes(const RPtr<RawExpr>& expr) {
    const int kind = ToCode(expr->GetType());
    if (kind < GenKind::Array || kind > GenKind::StrVal) {
        throw Platform::InternalError(
            "Missing case in void GenType::AddArraySubTypes(const RPtr<RawExpr> expr)");
    }
    m_kind = kind;
    switch (kind) {
    case GenKind::Array:
    case GenKind::Set:
    case GenKind::SetVal: {
        // The element type that stands at the end is that of the last element.
        const auto& col = static_cast<const RawCol&>(*expr);
        const int size = col.GetSize();
        if (size > 0) SetSubType(GenType(col.GetElement(size - 1)));
        break;
    }
    case GenKind::Tuple: {
        const auto& col = static_cast<const RawCol&>(*expr);
        m_subTypes.clear();
        for (const auto& element : col.GetElements())
            m_subTypes.emplace_back(element);
        break;
    }
    case GenKind::Range:
        m_subTypes.assign(1, GenType(GenKind::IntVal));
        break;
    case GenKind::SetVar: {
        const auto& var = static_cast<const RawVar&>(*expr);
        if (var.GetDomain() && var.GetDomain()->GetValues()->GetSize() > 0) {
            SetSubType(GenType(var.GetDomain()->GetValues()->GetElement(0)));
        }
        break;
    }
    default:
        break;
    }
}

void GenType::AddArraySubTypes(const GenType& other) {
    GenType* self = this;
    const GenType* with = &other;
    // Walks down first sub-types instead of recursing.
    while (true) {
        if (!self->IsVariable() && with->IsVariable()) self->m_kind = with->m_kind;
        switch (self->m_kind) {
        case GenKind::BoolVar:
        case GenKind::IntVar:
        case GenKind::FltVar:
        case GenKind::StrVar:
        case GenKind::Constraint:
            return;
        case GenKind::BoolVal:
        case GenKind::IntVal:
        case GenKind::FltVal:
        case GenKind::StrVal:
            if (with->IsVariable()) self->m_kind = with->m_kind;
            return;
        case GenKind::Range:
            self->m_subTypes.assign(1, GenType(GenKind::IntVal));
            return;
        case GenKind::Tuple:
            if (self->m_subTypes.size() == with->m_subTypes.size()) {
                for (std::size_t i = 0; i < self->m_subTypes.size(); ++i) {
                    self->m_subTypes[i].AddArraySubTypes(with->m_subTypes[i]);
                }
            }
            return;
        case GenKind::Array:
        case GenKind::Set:
        case GenKind::SetVar:
        case GenKind::SetVal:
            if (self->HasSubTypes() && with->HasSubTypes()) {
                self = &self->m_subTypes[0];
                with = &with->m_subTypes[0];
                continue;
            }
            if (with->HasSubTypes()) self->SetSubType(with->m_subTypes[0]);
            return;
        default:
            // Untyped and syntax-tree-only kinds take the other side's type.
            if (self->m_kind == GenKind::Untyped) *self = *with;
            return;
        }
    }
}

bool GenType::operator==(const GenType& other) const {
    if (this == &other) return true;
    const bool listLike = m_kind == GenKind::Array || m_kind == GenKind::Set;
    const bool otherListLike = other.m_kind == GenKind::Array || other.m_kind == GenKind::Set;
    if (listLike || otherListLike) {
        if (m_kind != other.m_kind) return false;
        if (!HasSubTypes() || !other.HasSubTypes()) return true;
        return m_subTypes[0] == other.m_subTypes[0];
    }
    if (m_kind == GenKind::Tuple && other.m_kind == GenKind::Tuple) {
        if (m_subTypes.size() != other.m_subTypes.size()) return false;
        for (std::size_t i = 0; i < m_subTypes.size(); ++i) {
            if (m_subTypes[i] != other.m_subTypes[i]) return false;
        }
        return true;
    }
    return m_kind == other.m_kind;
}

namespace {
int Group(int kind) {
    switch (kind) {
    case GenKind::SetVar:
    case GenKind::Set:
    case GenKind::SetVal:
        return 1;
    case GenKind::IntVar:
    case GenKind::IntVal:
    case GenKind::IntExpr:
    case GenKind::BoolVar:
    case GenKind::BoolExpr:
    case GenKind::BoolVal:
    case GenKind::Constraint:
        return 2;
    case GenKind::StrVar:
    case GenKind::StrVal:
    case GenKind::StrExpr:
        return 3;
    case GenKind::FltVar:
    case GenKind::FltVal:
    case GenKind::FltExpr:
        return 4;
    default:
        return 0;
    }
}
} // namespace

bool GenType::IsCompatible(const GenType& other) const {
    if (m_kind == GenKind::Array || m_kind == GenKind::Set) {
        if (!HasSubTypes() || !other.HasSubTypes()) return true;
        return m_subTypes[0].IsCompatible(other.m_subTypes[0]);
    }
    if (m_kind == GenKind::Tuple) {
        if (m_subTypes.size() != other.m_subTypes.size()) return false;
        for (std::size_t i = 0; i < m_subTypes.size(); ++i) {
            if (m_subTypes[i] != other.m_subTypes[i]) return false;
        }
        return true;
    }
    const int group = Group(m_kind);
    return group != 0 && group == Group(other.m_kind);
}

bool GenType::IsSet() const {
    return m_kind == GenKind::SetVar || m_kind == GenKind::Set || m_kind == GenKind::SetVal;
}

bool GenType::IsCollection() const {
    return m_kind == GenKind::Array || m_kind == GenKind::Set || m_kind == GenKind::Tuple ||
           m_kind == GenKind::SetVal;
}

bool GenType::IsIntegral() const {
    return Group(m_kind) == 2;
}

bool GenType::IsFloat() const {
    return Group(m_kind) == 4;
}

bool GenType::IsString() const {
    return Group(m_kind) == 3;
}

bool GenType::IsVariable() const {
    switch (m_kind) {
    case GenKind::IntVar:
    case GenKind::FltVar:
    case GenKind::SetVar:
    case GenKind::BoolVar:
    case GenKind::StrVar:
    case GenKind::Constraint:
        return true;
    default:
        return false;
    }
}

bool GenType::IsValue() const {
    switch (m_kind) {
    case GenKind::BoolVal:
    case GenKind::IntVal:
    case GenKind::FltVal:
    case GenKind::SetVal:
    case GenKind::StrVal:
        return true;
    default:
        return false;
    }
}

std::string GenType::ToString() const {
    std::string text = m_kind == GenKind::BoolExpr  ? "BoolExpr"
                       : m_kind == GenKind::IntExpr ? "IntExpr"
                       : m_kind == GenKind::FltExpr ? "FltExpr"
                       : m_kind == GenKind::StrExpr ? "StrExpr"
                                                    : RawTypeName(static_cast<RawType>(m_kind));
    if (HasSubTypes()) {
        text += " of (";
        for (std::size_t i = 0; i < m_subTypes.size(); ++i)
            text += (i ? ", " : "") + m_subTypes[i].ToString();
        text += ")";
    }
    return text;
}

} // namespace TavLanguage
