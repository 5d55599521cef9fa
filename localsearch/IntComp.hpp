#pragma once
// Base of the integer operators (unary, binary and n-ary).

#include "localsearch/IntObj.hpp"

namespace GLSLib {

class IntComp : public IntObj {};

} // namespace GLSLib
