#include "workbench/model/CKeyWords.hpp"

#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

CKeyWords::CKeyWords()
    : m_words{"problem",
              "domains",
              "domain",
              "intdom",
              "enumdom",
              "setdom",
              "variables",
              "variable",
              "intvar",
              "enumvar",
              "setvar",
              "boolvar",
              "constraints",
              "constraint",
              "implies",
              "not",
              "and",
              "or",
              "xor",
              "iff",
              "alldifferent",
              "sequence",
              "minimum",
              "maximum",
              "element",
              "count",
              "sum",
              "member",
              "notmember",
              "subsetof",
              "strictsubsetof",
              "union",
              "intersection",
              "alldisjoint",
              "forall",
              "in",
              "data"} {}

bool CKeyWords::IsKeyWord(const std::string& id) const {
    return m_words.count(ToLowerAscii(id)) != 0;
}

} // namespace TavWorkbench
