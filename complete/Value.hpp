#pragma once
// Tagged value of the complete search library: undefined, bool, int, double, string or a set
// over a universe of values. Scalars are held inline, so copying an int value costs a few
// stores; strings and sets live on the heap and are deep-copied.

#include "complete/CPObject.hpp"

#include <iosfwd>
#include <string>
#include <vector>

namespace GFCLib {

class ValueSet;

class Value : public CPObject {
public:
    enum Tag : int { kUndefined = 0, kBool = 1, kInt = 2, kDouble = 3, kString = 4, kSet = 6 };

    Value() = default;
    Value(int i) : m_tag(kInt) { m_scalar.i = i; }
    Value(double d) : m_tag(kDouble) { m_scalar.d = d; }
    Value(const char* text);
    Value(const std::string& text);
    // A set over the universe (shared, not owned: it must outlive the value); every element is a
    // member when fill is non-zero, none otherwise.
    Value(std::vector<Value>* universe, int fill);
    Value(std::vector<Value>& universe, int fill) : Value(&universe, fill) {}
    explicit Value(const ValueSet& set);
    static Value MakeBool(bool b);
    Value(const Value& other);
    Value(Value&& other) noexcept;
    Value& operator=(const Value& other) {
        if (m_heap == nullptr && other.m_heap == nullptr) {
            // Scalars (the search's common case) copy without a call.
            m_tag = other.m_tag;
            m_scalar = other.m_scalar;
            return *this;
        }
        return AssignSlow(other);
    }
    Value& operator=(Value&& other) noexcept;
    ~Value() override;

    int GetTag() const { return m_tag; }
    bool IsUndefined() const { return m_tag == kUndefined; }
    bool IsInt() const { return m_tag == kInt; }
    bool IsSet() const { return m_tag == kSet; }
    // Numeric view: bool and int as int, a double truncated toward zero, anything else 0.
    int GetInt() const { return m_tag == kInt ? m_scalar.i : GetIntSlow(); }
    double GetDouble() const;
    bool GetBool() const;
    // The string of a string value; empty for any other tag.
    const std::string& GetString() const;
    // The set of a set value; throws Platform::InternalError for any other tag.
    const ValueSet& GetSet() const;
    ValueSet& GetSet();
    void SetInt(int i) {
        if (m_heap != nullptr) Release();
        m_tag = kInt;
        m_scalar.i = i;
    }

    // Equality: numbers by numeric value, strings by text, sets by membership; different kinds
    // are unequal.
    bool operator==(const Value& other) const {
        if (m_tag == kInt && other.m_tag == kInt) return m_scalar.i == other.m_scalar.i;
        return EqualsSlow(other);
    }
    bool operator!=(const Value& other) const { return !(*this == other); }
    // Ordering: numbers numerically, strings by text, sets by size then membership; kinds that
    // cannot be compared order by tag.
    bool operator<(const Value& other) const;
    bool operator>(const Value& other) const { return other < *this; }
    bool operator<=(const Value& other) const { return !(other < *this); }
    bool operator>=(const Value& other) const { return !(*this < other); }
    // Sum of two numbers (int when both are int), concatenation of strings, union of sets.
    Value operator+(const Value& other) const;

    const Value& GetValue() const override { return *this; }
    Value GetMin() const override { return *this; }
    Value GetMax() const override { return *this; }
    std::string ToString() const override;
    bool IsValue() const override { return true; }
    int GetType() const override { return m_tag; }
    bool IsBound() const override { return true; }
    void Print(std::ostream& os) const override;

private:
    Value& AssignSlow(const Value& other);
    int GetIntSlow() const;
    bool EqualsSlow(const Value& other) const;
    void Release();
    void CopyFrom(const Value& other);

    Tag m_tag = kUndefined;
    union {
        bool b;
        int i;
        double d;
    } m_scalar{};
    void* m_heap = nullptr; // std::string* for kString, ValueSet* for kSet, else null
};

std::ostream& operator<<(std::ostream& os, const Value& value);

// The shared undefined value, returned by objects that have no value.
const Value& UndefinedValue();

} // namespace GFCLib
