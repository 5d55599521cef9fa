#pragma once
// i in list: the elements of a list or set, in order.

#include "language/tree/GenListedRange.hpp"

namespace TavLanguage {

class GenListRange : public GenListedRange {
public:
    GenListRange(int line, std::string name, GenPtr list)
        : GenListedRange(line, std::move(name), std::move(list)) {}
    // Code 23 when the expression is not a list or set.
    [[nodiscard]] bool Check(ParseContext& ctx) override;
    void Reset(ParseContext& ctx) override;
    void Print(std::ostream& out) const override;
};

} // namespace TavLanguage
