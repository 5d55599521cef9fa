#pragma once
// An index range of a forall or an intensional list: it names an index and enumerates its values
// (reset to the first, test for the end, advance). Bounds and lists are evaluated at each reset,
// with the outer indices already holding their current values.

#include "language/tree/GenObj.hpp"

#include <string>

namespace TavLanguage {

class GenRangeBase : public GenObj {
public:
    GenRangeBase(int line, std::string name) : GenObj(line), m_name(std::move(name)) {}
    // The index name.
    std::string GetName() const override { return m_name; }
    // Checks the range; its type (GetThisType) becomes the type of the index.
    [[nodiscard]] bool Check(ParseContext& ctx) override = 0;
    // A range is not a value.
    RPtr<RawExpr> Gen(ParseContext& ctx) override;
    // Evaluates the range and goes to its first value.
    virtual void Reset(ParseContext& ctx) = 0;
    virtual bool AtEnd() const = 0;
    virtual void Advance() = 0;
    // The current value of the index.
    virtual RPtr<RawExpr> Current() const = 0;

private:
    std::string m_name;
};

} // namespace TavLanguage
