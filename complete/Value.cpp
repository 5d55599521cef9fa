#include "complete/Value.hpp"

#include "complete/ValueSet.hpp"
#include "platform/FatalError.hpp"

#include <ostream>
#include <sstream>
#include <utility>

namespace GFCLib {

namespace {
const std::string& EmptyString() {
    static const std::string empty;
    return empty;
}
} // namespace

const Value& CPObject::GetValue() const {
    return UndefinedValue();
}
Value CPObject::GetMin() const {
    return Value();
}
Value CPObject::GetMax() const {
    return Value();
}

std::string PrintedName(const CPObject& object) {
    std::ostringstream os;
    object.PrintName(os);
    return os.str();
}

const Value& UndefinedValue() {
    static const Value undefined;
    return undefined;
}

Value::Value(const char* text) : m_tag(kString), m_heap(new std::string(text != nullptr ? text : "")) {}
Value::Value(const std::string& text) : m_tag(kString), m_heap(new std::string(text)) {}
Value::Value(std::vector<Value>* universe, int fill)
    : m_tag(kSet), m_heap(new ValueSet(universe, fill != 0)) {}
Value::Value(const ValueSet& set) : m_tag(kSet), m_heap(new ValueSet(set)) {}

Value Value::MakeBool(bool b) {
    Value v;
    v.m_tag = kBool;
    v.m_scalar.b = b;
    return v;
}

Value::Value(const Value& other) : CPObject() {
    CopyFrom(other);
}

Value::Value(Value&& other) noexcept
    : CPObject(), m_tag(other.m_tag), m_scalar(other.m_scalar), m_heap(std::exchange(other.m_heap, nullptr)) {
    other.m_tag = kUndefined;
}

Value& Value::AssignSlow(const Value& other) {
    if (this == &other) return *this;
    Value copy(other);
    return *this = std::move(copy);
}

Value& Value::operator=(Value&& other) noexcept {
    if (this == &other) return *this;
    Release();
    m_tag = other.m_tag;
    m_scalar = other.m_scalar;
    m_heap = std::exchange(other.m_heap, nullptr);
    other.m_tag = kUndefined;
    return *this;
}

Value::~Value() {
    Release();
}

void Value::Release() {
    if (m_heap == nullptr) return;
    if (m_tag == kString)
        delete static_cast<std::string*>(m_heap);
    else if (m_tag == kSet)
        delete static_cast<ValueSet*>(m_heap);
    m_heap = nullptr;
}

void Value::CopyFrom(const Value& other) {
    m_tag = other.m_tag;
    m_scalar = other.m_scalar;
    m_heap = nullptr;
    if (other.m_heap == nullptr) return;
    if (m_tag == kString)
        m_heap = new std::string(*static_cast<const std::string*>(other.m_heap));
    else if (m_tag == kSet)
        m_heap = new ValueSet(*static_cast<const ValueSet*>(other.m_heap));
}

int Value::GetIntSlow() const {
    switch (m_tag) {
    case kBool:
        return m_scalar.b ? 1 : 0;
    case kInt:
        return m_scalar.i;
    case kDouble:
        return static_cast<int>(m_scalar.d);
    default:
        return 0;
    }
}

double Value::GetDouble() const {
    switch (m_tag) {
    case kBool:
        return m_scalar.b ? 1.0 : 0.0;
    case kInt:
        return m_scalar.i;
    case kDouble:
        return m_scalar.d;
    default:
        return 0.0;
    }
}

bool Value::GetBool() const {
    if (m_tag == kDouble) return m_scalar.d != 0.0;
    return GetInt() != 0;
}

const std::string& Value::GetString() const {
    return m_tag == kString ? *static_cast<const std::string*>(m_heap) : EmptyString();
}

const ValueSet& Value::GetSet() const {
    if (m_tag != kSet) throw Platform::InternalError("Value is not a set");
    return *static_cast<const ValueSet*>(m_heap);
}

ValueSet& Value::GetSet() {
    if (m_tag != kSet) throw Platform::InternalError("Value is not a set");
    return *static_cast<ValueSet*>(m_heap);
}

namespace {
bool IsNumber(int tag) {
    return tag == Value::kBool || tag == Value::kInt || tag == Value::kDouble;
}
} // namespace

bool Value::EqualsSlow(const Value& other) const {
    if (IsNumber(m_tag) && IsNumber(other.m_tag)) {
        if (m_tag == kDouble || other.m_tag == kDouble) return GetDouble() == other.GetDouble();
        return GetInt() == other.GetInt();
    }
    if (m_tag != other.m_tag) return false;
    switch (m_tag) {
    case kString:
        return GetString() == other.GetString();
    case kSet:
        return !ValueSet::NotEqual(GetSet(), other.GetSet());
    default:
        return true; // two undefined values
    }
}

bool Value::operator<(const Value& other) const {
    if (m_tag == kInt && other.m_tag == kInt) return m_scalar.i < other.m_scalar.i;
    if (IsNumber(m_tag) && IsNumber(other.m_tag)) return GetDouble() < other.GetDouble();
    if (m_tag != other.m_tag) return m_tag < other.m_tag;
    if (m_tag == kString) return GetString() < other.GetString();
    if (m_tag == kSet) {
        const ValueSet& a = GetSet();
        const ValueSet& b = other.GetSet();
        if (a.Size() != b.Size()) return a.Size() < b.Size();
        return ValueSet::StrictSubset(a, b);
    }
    return false;
}

Value Value::operator+(const Value& other) const {
    if (m_tag == kInt && other.m_tag == kInt) return Value(m_scalar.i + other.m_scalar.i);
    if (IsNumber(m_tag) && IsNumber(other.m_tag)) {
        if (m_tag == kDouble || other.m_tag == kDouble) return Value(GetDouble() + other.GetDouble());
        return Value(GetInt() + other.GetInt());
    }
    if (m_tag == kString && other.m_tag == kString) return Value(GetString() + other.GetString());
    if (m_tag == kSet && other.m_tag == kSet) {
        ValueSet sum(GetSet());
        sum |= other.GetSet();
        return Value(sum);
    }
    if (m_tag == kUndefined) return other;
    return *this;
}

std::string Value::ToString() const {
    std::ostringstream os;
    Print(os);
    return os.str();
}

void Value::Print(std::ostream& os) const {
    switch (m_tag) {
    case kBool:
        os << (m_scalar.b ? "true" : "false");
        break;
    case kInt:
        os << m_scalar.i;
        break;
    case kDouble:
        os << m_scalar.d;
        break;
    case kString:
        os << GetString();
        break;
    case kSet:
        GetSet().Print(os);
        break;
    default:
        os << "undefined";
        break;
    }
}

std::ostream& operator<<(std::ostream& os, const Value& value) {
    value.Print(os);
    return os;
}

} // namespace GFCLib
