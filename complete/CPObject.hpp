#pragma once
// Common base of everything a constraint can take as an argument: values, variables and
// constraints (nested in logical constraints). Lets constraints treat arguments uniformly.

#include <iosfwd>
#include <string>

namespace GFCLib {

class Value;

// Type codes answered by GetType.
enum class TypeCode : int {
    Undefined = 0,
    Bool = 1,
    Int = 2,
    Double = 3,
    String = 4,
    Set = 6,
    BoolVar = 7,
    EnumVar = 8,
    IntVar = 9,
    DoubleVar = 10,
    SetVar = 11,
    Constraint = 12,
};

class CPObject {
public:
    virtual ~CPObject() = default;
    // The current value: a value itself, a bound variable's value, else undefined.
    virtual const Value& GetValue() const;
    // Smallest and largest value the object can still take (a value: itself).
    virtual Value GetMin() const;
    virtual Value GetMax() const;
    virtual std::string ToString() const { return std::string(); }
    virtual bool IsValue() const { return false; }
    virtual bool IsVariable() const { return false; }
    virtual bool IsFinite() const { return false; }
    virtual bool IsConstraint() const { return false; }
    virtual int GetType() const = 0;
    // True when the object has one fixed value (values always, variables when instantiated).
    virtual bool IsBound() const { return true; }
    virtual void Print(std::ostream& os) const = 0;
    virtual void PrintName(std::ostream& os) const { Print(os); }
};

// Printed form of an object through PrintName: how constraints name their arguments.
std::string PrintedName(const CPObject& object);

} // namespace GFCLib
