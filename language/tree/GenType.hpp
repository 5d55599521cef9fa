#pragma once
// Static type of a syntax-tree node: a kind code and an ordered list of sub-types (the element
// type of a list or set, the component types of a tuple). Kinds 44 to 59 are the raw model's
// codes with the same names; 60 to 65 exist only in the syntax tree; 66 is untyped.
// Copies are deep; nothing of a type reaches the raw model.

#include "language/raw/RawExpr.hpp"

#include <memory>
#include <vector>

namespace TavLanguage {

namespace GenKind {
// Kinds 44 to 59 and 64 to 66 are the raw kinds' own numbers, taken from RawType so that the
// two cannot drift apart.
enum : int {
    Constraint = ToCode(RawType::Constraint),
    SoftConstraint = ToCode(RawType::SoftConstraint),
    Array = ToCode(RawType::Array),
    Set = ToCode(RawType::Set),
    Range = ToCode(RawType::Range),
    Tuple = ToCode(RawType::Tuple),
    BoolVar = ToCode(RawType::BoolVar),
    BoolVal = ToCode(RawType::BoolVal),
    IntVar = ToCode(RawType::IntVar),
    IntVal = ToCode(RawType::IntVal),
    FltVar = ToCode(RawType::FltVar),
    FltVal = ToCode(RawType::FltVal),
    SetVar = ToCode(RawType::SetVar),
    SetVal = ToCode(RawType::SetVal),
    StrVar = ToCode(RawType::StrVar),
    StrVal = ToCode(RawType::StrVal),
    // Only in the syntax tree: the types of expressions before they become raw nodes.
    BoolExpr = 60,
    IntExpr = 61,
    FltExpr = 62,
    StrExpr = 63,
    Minimise = ToCode(RawType::Minimise),
    Maximise = ToCode(RawType::Maximise),
    Untyped = ToCode(RawType::Untyped),
};
// The syntax tree's own kinds fill the gap that RawType leaves between 59 and 64, and the
// shared kinds keep the numbers 44 to 59 that stored files and the tree's code rely on.
static_assert(Constraint == 44 && StrVal == 59 && StrVal + 1 == BoolExpr && StrExpr + 1 == Minimise &&
                  Untyped == 66,
              "GenKind and RawType disagree");
} // namespace GenKind

class GenType {
public:
    GenType() = default;
    explicit GenType(int kind) : m_kind(kind) {}
    GenType(int kind, const std::vector<GenType>& subTypes) : m_subTypes(subTypes), m_kind(kind) {}
    // The type of a raw value (kinds 46..59); throws Platform::InternalError for other kinds.
    explicit GenType(const RPtr<RawExpr>& expr);
    ~GenType() = default;
    GenType(const GenType&) = default;
    GenType& operator=(const GenType&) = default;
    GenType(GenType&&) noexcept = default;
    GenType& operator=(GenType&&) noexcept = default;

    int GetKind() const { return m_kind; }
    bool HasSubTypes() const { return !m_subTypes.empty(); }
    // The first sub-type; throws std::out_of_range when there is none.
    const GenType& GetSubType() const { return m_subTypes.Items().at(0); }
    const std::vector<GenType>& GetSubTypes() const { return m_subTypes.Items(); }
    void SetSubType(const GenType& type);
    void AddSubType(const GenType& type) { m_subTypes.push_back(type); }
    // Merges an element type into the first sub-type (or makes it the first).
    void AddElementType(const GenType& type);

    // Types this type from a raw value: kind from the node, element types from its elements.
    void AddArraySubTypes(const RPtr<RawExpr>& expr);
    // Refines this type with another (a list of values meeting a variable becomes a list of variables).
    void AddArraySubTypes(const GenType& other);

    bool operator==(const GenType& other) const;
    bool operator!=(const GenType& other) const { return !(*this == other); }
    bool IsCompatible(const GenType& other) const;

    bool IsArray() const { return m_kind == GenKind::Array; }
    bool IsSet() const;
    bool IsCollection() const;
    bool IsIntegral() const;
    bool IsFloat() const;
    bool IsString() const;
    bool IsVariable() const;
    bool IsValue() const;
    bool IsIntValue() const { return m_kind == GenKind::IntVal || m_kind == GenKind::BoolVal; }
    bool IsNumericValue() const { return m_kind == GenKind::IntVal || m_kind == GenKind::FltVal; }
    bool IsFltVar() const { return m_kind == GenKind::FltVar; }
    bool IsIntVariable() const { return IsVariable() && IsIntegral(); }
    bool IsIntOrStrVariable() const { return IsVariable() && (IsIntegral() || IsString()); }
    bool IsSetVariable() const { return IsVariable() && IsSet(); }
    bool IsConstraint() const { return m_kind == GenKind::Constraint || m_kind == GenKind::SoftConstraint; }
    bool IsSoftConstraint() const { return m_kind == GenKind::SoftConstraint; }
    bool IsArrayOfVariables() const { return IsArray() && HasSubTypes() && GetSubType().IsVariable(); }
    bool IsArrayOfValues() const { return IsArray() && HasSubTypes() && GetSubType().IsValue(); }

    // Readable name ("Array of IntVar"), for diagnostics.
    std::string ToString() const;

private:
    // The sub-types, held apart so that a type without any (most nodes of a syntax tree) is
    // two words. Copies are deep.
    class SubTypeList {
    public:
        SubTypeList() = default;
        explicit SubTypeList(const std::vector<GenType>& items);
        SubTypeList(const SubTypeList& other);
        SubTypeList& operator=(const SubTypeList& other);
        SubTypeList(SubTypeList&&) noexcept = default;
        SubTypeList& operator=(SubTypeList&&) noexcept = default;
        ~SubTypeList();

        const std::vector<GenType>& Items() const;
        bool empty() const { return !m_items || m_items->empty(); }
        std::size_t size() const { return m_items ? m_items->size() : 0; }
        GenType& operator[](std::size_t i) { return (*m_items)[i]; }
        const GenType& operator[](std::size_t i) const { return (*m_items)[i]; }
        void clear() { m_items.reset(); }
        void push_back(GenType type);
        template <class Arg> void emplace_back(const Arg& arg) { push_back(GenType(arg)); }
        void assign(std::size_t count, const GenType& type);

    private:
        std::unique_ptr<std::vector<GenType>> m_items;
    };

    SubTypeList m_subTypes;
    int m_kind = GenKind::Untyped;
};

} // namespace TavLanguage
