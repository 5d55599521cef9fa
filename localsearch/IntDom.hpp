#pragma once
// A named domain of integer values, addressed by value index 0..Size()-1.
// Invariant: Size() >= 1 (empty domains are refused when they are built).

#include "localsearch/Obj.hpp"

#include <string>

namespace GLSLib {

class IntDom : public Obj {
public:
    // The most values a domain may hold: the engines keep a cost for every value of every
    // variable and evaluate each of them, so a larger domain is refused when it is made.
    static constexpr int kMaxSize = 1 << 20;

    explicit IntDom(const char* name) : m_name(name ? name : "") {}
    // Writes the name.
    std::ostream& Print(std::ostream& os) const override { return os << m_name; }
    virtual bool IsInterval() const = 0;
    // Value at index (no range test).
    virtual int ValueAt(int index) const = 0;
    // Index of value, -1 when the domain lacks it.
    virtual int IndexOf(int value) const = 0;
    virtual int Size() const = 0;
    virtual int Min() const = 0;
    virtual int Max() const = 0;
    const std::string& GetName() const { return m_name; }

private:
    std::string m_name;
};

} // namespace GLSLib
